#include "settings/ini_file.h"

#include <climits>

#include "platform/cp932.h"
#include "platform/file.h"

namespace kivor {

namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// The section name of a "[name]" line, or nullopt for other lines.
std::optional<std::string_view> SectionName(std::string_view line) {
    std::string_view t = Trim(line);
    if (t.empty() || t.front() != '[') return std::nullopt;
    std::size_t close = t.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return Trim(t.substr(1, close - 1));
}

struct KeyValue {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyValue> SplitKeyValue(std::string_view line) {
    std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    return KeyValue{Trim(line.substr(0, eq)), Trim(line.substr(eq + 1))};
}

}  // namespace

int32_t AtoiLike(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT32_MAX) + 1)
            value = static_cast<long long>(INT32_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT32_MAX) value = INT32_MAX;
    if (value < INT32_MIN) value = INT32_MIN;
    return static_cast<int32_t>(value);
}

IniFile IniFile::Load(const std::string& pathCp932, int* error) {
    int err = 0;
    std::optional<std::string> text = ReadWholeFile(pathCp932, &err);
    if (error) *error = text ? 0 : err;
    return FromText(text.value_or(std::string()));
}

IniFile IniFile::FromText(std::string text) {
    IniFile ini;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t lf = text.find('\n', start);
        Line line;
        if (lf == std::string::npos) {
            line.text = text.substr(start);
            start = text.size();
        } else {
            std::size_t end = lf;
            line.eol = "\n";
            if (end > start && text[end - 1] == '\r') {
                --end;
                line.eol = "\r\n";
            }
            line.text = text.substr(start, end - start);
            start = lf + 1;
        }
        ini.m_lines.push_back(std::move(line));
    }
    return ini;
}

std::ptrdiff_t IniFile::FindKey(const std::string& section, const std::string& key) const {
    bool inSection = false;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (auto name = SectionName(m_lines[i].text)) {
            if (inSection) return -1;  // only the first section of that name counts
            inSection = EqualsNoCaseMb(*name, section);
            continue;
        }
        if (!inSection) continue;
        auto kv = SplitKeyValue(m_lines[i].text);
        if (kv && EqualsNoCaseMb(kv->key, key)) return static_cast<std::ptrdiff_t>(i);
    }
    return -1;
}

int32_t IniFile::GetInt(const std::string& section, const std::string& key,
                        int32_t defaultValue) const {
    std::ptrdiff_t i = FindKey(section, key);
    if (i < 0) return defaultValue;
    return AtoiLike(SplitKeyValue(m_lines[i].text)->value);
}

std::string IniFile::GetString(const std::string& section, const std::string& key,
                               const std::string& defaultValue, std::size_t bufferSize) const {
    const std::size_t room = bufferSize > 0 ? bufferSize - 1 : 0;
    std::ptrdiff_t i = FindKey(section, key);
    if (i < 0) return CutToRoom(defaultValue, room);
    return CutToRoom(SplitKeyValue(m_lines[i].text)->value, room);
}

void IniFile::WriteString(const std::string& section, const std::string& key,
                          const std::string& rawValue) {
    // A line break inside a value would end its line and break the file.
    std::string value = rawValue.substr(0, rawValue.find_first_of("\r\n"));
    const std::string newText = key + "=" + value;

    std::string eol = "\r\n";
    for (const Line& line : m_lines) {
        if (!line.eol.empty()) {
            eol = line.eol;
            break;
        }
    }

    if (std::ptrdiff_t i = FindKey(section, key); i >= 0) {
        m_lines[i].text = newText;
        return;
    }

    // Find the first section of that name and the last non-blank line in it.
    std::size_t sectionLine = m_lines.size();
    std::size_t insertAfter = 0;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        auto name = SectionName(m_lines[i].text);
        if (sectionLine == m_lines.size()) {
            if (name && EqualsNoCaseMb(*name, section)) {
                sectionLine = i;
                insertAfter = i;
            }
            continue;
        }
        if (name) break;
        if (!Trim(m_lines[i].text).empty()) insertAfter = i;
    }

    if (!m_lines.empty() && m_lines.back().eol.empty()) m_lines.back().eol = eol;
    if (sectionLine == m_lines.size()) {
        m_lines.push_back(Line{"[" + section + "]", eol});
        m_lines.push_back(Line{newText, eol});
        return;
    }
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(insertAfter + 1),
                   Line{newText, eol});
}

std::string IniFile::Text() const {
    std::string text;
    for (const Line& line : m_lines) {
        text += line.text;
        text += line.eol;
    }
    return text;
}

int IniFile::Save(const std::string& pathCp932) const {
    return ReplaceFileAtomically(pathCp932, Text());
}

}  // namespace kivor
