// Text conversion between CP932 (Shift-JIS as Windows writes it) and UTF-8.
//
// Inside the core every text is a std::string of CP932 bytes. Conversion
// happens only at the edges: the GUI converts for display and input, and the
// file functions convert paths to the file system's encoding (UTF-8).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kivor {

// CP932 bytes to UTF-8; nullopt when the bytes are not valid CP932.
std::optional<std::string> Cp932ToUtf8(std::string_view cp932);

// UTF-8 to CP932; nullopt when the text holds a character CP932 cannot hold
// (or is not valid UTF-8).
std::optional<std::string> Utf8ToCp932(std::string_view utf8);

// CP932 to UTF-8 for showing: bytes that do not convert become U+FFFD.
std::string Cp932ToUtf8Lossy(std::string_view cp932);

// UTF-8 to CP932 for texts from the system (error texts): characters CP932
// cannot hold become '?'.
std::string Utf8ToCp932Lossy(std::string_view utf8);

// A fixed text of the program, written in the source as UTF-8, as CP932.
// Aborts when the literal holds a character CP932 cannot hold (a programming
// error that every test run would show).
std::string Sjis(std::string_view utf8Literal);

// True for a byte that starts a double-byte CP932 character.
constexpr bool IsCp932LeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// The longest prefix of `text` of at most `room` bytes that does not end
// inside a double-byte character.
std::string CutToRoom(std::string_view text, std::size_t room);

// Case-insensitive comparison as multibyte text: single-byte letters a-z and
// A-Z compare equal, double-byte characters compare as they stand.
bool EqualsNoCaseMb(std::string_view a, std::string_view b);

// Finds `needle` in `text` at character boundaries (a trail byte followed by
// a lead byte never matches a double-byte needle by accident).
bool ContainsMb(std::string_view text, std::string_view needle);

}  // namespace kivor

// A table entry of the system's strings: KIVOR_CP932_TEXT(kAppTitle, "ケルノア")
// defines `const std::string& kAppTitle()` converting once.
#define KIVOR_CP932_TEXT(name, utf8)                              \
    inline const std::string& name() {                            \
        static const std::string converted = ::kivor::Sjis(utf8); \
        return converted;                                         \
    }
