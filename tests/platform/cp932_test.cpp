#include "platform/cp932.h"

#include <gtest/gtest.h>

namespace kivor {
namespace {

TEST(Cp932, convertsBothWaysIncludingExtensionsAndBackslash) {
    const std::string utf8 = "ケルノア\\~①髙表ソ\r\n";
    std::optional<std::string> sjis = Utf8ToCp932(utf8);
    ASSERT_TRUE(sjis);
    EXPECT_EQ(*sjis,
              "\x83\x50\x83\x8b\x83\x6d\x83\x41\x5c\x7e\x87\x40\xfb\xfc\x95\x5c\x83\x5c\r\n");
    EXPECT_EQ(Cp932ToUtf8(*sjis), utf8);
}

TEST(Cp932, refusesWhatItCannotHold) {
    EXPECT_FALSE(Utf8ToCp932("日記😀"));
    EXPECT_FALSE(Utf8ToCp932("\xff\xfe"));  // not UTF-8
    EXPECT_FALSE(Cp932ToUtf8("\x81"));      // a lead byte alone
    EXPECT_EQ(Utf8ToCp932Lossy("a😀b"), "a?b");
    EXPECT_EQ(Cp932ToUtf8Lossy("a\x81"), "a\xEF\xBF\xBD");
}

TEST(Cp932, cutsOnCharacterBoundaries) {
    const std::string title = Sjis("私の日記");  // 8 bytes, four double-byte characters
    struct Case {
        std::size_t room;
        std::string expected;
    } cases[] = {{8, title}, {7, title.substr(0, 6)}, {1, ""}, {0, ""}, {100, title}};
    for (const Case& c : cases) EXPECT_EQ(CutToRoom(title, c.room), c.expected) << c.room;
    EXPECT_EQ(CutToRoom("abc" + title, 4), "abc");
}

TEST(Cp932, comparesCaseInsensitivelyAsMultibyteText) {
    EXPECT_TRUE(EqualsNoCaseMb("Ini", "INI"));
    EXPECT_TRUE(EqualsNoCaseMb(Sjis("2004年"), Sjis("2004年")));
    EXPECT_FALSE(EqualsNoCaseMb(Sjis("2004年"), Sjis("2004月")));
    // The second byte of a double-byte character is not a letter to fold.
    EXPECT_FALSE(EqualsNoCaseMb("\x83\x61", "\x83\x41"));
}

TEST(Cp932, findsOnlyWholeCharacters) {
    const std::string text = Sjis("表");  // 0x95 0x5C
    EXPECT_FALSE(ContainsMb(text, "\\"));
    EXPECT_TRUE(ContainsMb(Sjis("14日"), Sjis("日")));
    // 0x93 0xFA is 日; "X\x93\xFA" must not be found inside 0x8A 0x93 0xFA...
    EXPECT_FALSE(ContainsMb("\x8A\x93\xFA\x41", Sjis("日")));
}

}  // namespace
}  // namespace kivor
