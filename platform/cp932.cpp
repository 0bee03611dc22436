#include "platform/cp932.h"

#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace kivor {

namespace {

bool IsAscii(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

// Converts with iconv. On an invalid or unconvertible sequence: returns
// nullopt, or, with a replacement, puts it in place of one input byte (or
// one UTF-8 character) and goes on.
// One converter per direction and thread, opened once.
class Converter {
  public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Converter() {
        if (Ok()) iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool Ok() const { return m_cd != reinterpret_cast<iconv_t>(-1); }
    iconv_t Get() {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
        return m_cd;
    }

  private:
    iconv_t m_cd;
};

std::optional<std::string> Convert(std::string_view in, const char* replacement, bool utf8Input) {
    thread_local Converter toUtf8("UTF-8", "CP932");
    thread_local Converter toCp932("CP932", "UTF-8");
    Converter& converter = utf8Input ? toCp932 : toUtf8;
    if (!converter.Ok()) return std::nullopt;
    iconv_t cd = converter.Get();
    std::string out;
    out.reserve(in.size() * 3 / 2 + 8);
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    char buffer[4096];
    bool ok = true;
    while (srcLeft > 0) {
        char* dst = buffer;
        size_t dstLeft = sizeof buffer;
        size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buffer, static_cast<size_t>(dst - buffer));
        if (r != static_cast<size_t>(-1)) continue;
        if (errno == E2BIG) continue;
        if (!replacement) {
            ok = false;
            break;
        }
        out += replacement;
        // Skip one byte, or one whole UTF-8 character.
        size_t skip = 1;
        if (utf8Input) {
            while (skip < srcLeft && (static_cast<unsigned char>(src[skip]) & 0xC0) == 0x80) ++skip;
        }
        src += skip;
        srcLeft -= skip;
    }
    if (ok) {  // flush the shift state (none for these encodings)
        char* dst = buffer;
        size_t dstLeft = sizeof buffer;
        iconv(cd, nullptr, nullptr, &dst, &dstLeft);
        out.append(buffer, static_cast<size_t>(dst - buffer));
    }
    if (!ok) return std::nullopt;
    return out;
}

}  // namespace

// ASCII reads the same in CP932 and UTF-8 (CP932 0x5C and 0x7E are the
// backslash and tilde), so paths and most texts need no converter.
std::optional<std::string> Cp932ToUtf8(std::string_view cp932) {
    if (IsAscii(cp932)) return std::string(cp932);
    return Convert(cp932, nullptr, false);
}

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
    if (IsAscii(utf8)) return std::string(utf8);
    return Convert(utf8, nullptr, true);
}

std::string Cp932ToUtf8Lossy(std::string_view cp932) {
    return Convert(cp932, "\xEF\xBF\xBD", false).value_or(std::string());
}

std::string Utf8ToCp932Lossy(std::string_view utf8) {
    return Convert(utf8, "?", true).value_or(std::string());
}

std::string Sjis(std::string_view utf8Literal) {
    std::optional<std::string> converted = Utf8ToCp932(utf8Literal);
    if (!converted) {
        std::fprintf(stderr, "kivor: a fixed text cannot be held in CP932: %.*s\n",
                     static_cast<int>(utf8Literal.size()), utf8Literal.data());
        std::abort();
    }
    return *converted;
}

std::string CutToRoom(std::string_view text, std::size_t room) {
    if (text.size() <= room) return std::string(text);
    std::size_t i = 0;
    while (i < room) {
        std::size_t width = IsCp932LeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
        if (i + width > room) break;
        i += width;
    }
    return std::string(text.substr(0, i));
}

namespace {
unsigned char FoldAscii(unsigned char c) {
    return (c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c;
}
}  // namespace

bool EqualsNoCaseMb(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        unsigned char ca = static_cast<unsigned char>(a[i]);
        unsigned char cb = static_cast<unsigned char>(b[i]);
        if (IsCp932LeadByte(ca)) {
            // A double-byte character compares as it stands, both bytes.
            if (ca != cb || i + 1 >= a.size() || a[i + 1] != b[i + 1]) return false;
            ++i;
            continue;
        }
        if (FoldAscii(ca) != FoldAscii(cb)) return false;
    }
    return true;
}

bool ContainsMb(std::string_view text, std::string_view needle) {
    if (needle.empty()) return true;
    for (std::size_t i = 0; i + needle.size() <= text.size();) {
        if (text.compare(i, needle.size(), needle) == 0) return true;
        i += IsCp932LeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
    }
    return false;
}

}  // namespace kivor
