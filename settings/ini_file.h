// An INI file with the behaviour of the Windows private-profile functions
// the program relies on: a missing file, section or key gives the default;
// section and key names match case-insensitively; the first of repeated keys
// counts; a write replaces the value where it stands or appends the key at
// the end of its section (creating section and file), and keeps every other
// line as it was. Values are CP932 bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kivor {

class IniFile {
  public:
    // Reads the file (CP932 path); a missing or unreadable file is empty,
    // and *error (when given) tells why: 0, or errno (ENOENT: missing).
    static IniFile Load(const std::string& pathCp932, int* error = nullptr);
    static IniFile FromText(std::string text);

    // The integer reader: the value's leading optional sign and digits;
    // `defaultValue` when the key is missing; 0 when it has no digits.
    int32_t GetInt(const std::string& section, const std::string& key, int32_t defaultValue) const;

    // The text reader with a buffer of `bufferSize` bytes: the value cut to
    // bufferSize - 1 bytes on a character boundary; `defaultValue` (cut the
    // same way) when the key is missing.
    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& defaultValue, std::size_t bufferSize) const;

    void WriteString(const std::string& section, const std::string& key, const std::string& value);

    // The file's bytes; lines end in CR LF (lines read with LF alone keep it).
    std::string Text() const;

    // Writes the file atomically; 0 or errno.
    int Save(const std::string& pathCp932) const;

  private:
    struct Line {
        std::string text;  // without its line end
        std::string eol;   // "\r\n", "\n" or "" for a last line without end
    };
    // Index of the key's line in the first section of that name, or -1.
    std::ptrdiff_t FindKey(const std::string& section, const std::string& key) const;
    std::vector<Line> m_lines;
};

// atoi: optional leading blanks and sign, then digits up to the first other
// character; no digit gives 0. Values out of range saturate.
int32_t AtoiLike(std::string_view text);

}  // namespace kivor
