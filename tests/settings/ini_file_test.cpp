#include "settings/ini_file.h"

#include <gtest/gtest.h>

#include "platform/cp932.h"

namespace kivor {
namespace {

TEST(IniFile, readersFollowThePrivateProfileRules) {
    const IniFile ini = IniFile::FromText(
        "NewerIsUpper=7\r\n"  // before any section: not in [ini]
        "[other]\r\nPromptToSave=5\r\n"
        "[INI]\r\n"
        "  promptToSave = 12abc \r\n"  // names match in any case; trailing junk
        "PromptToSave=3\r\n"           // a repeated key: the first counts
        "Empty=\r\n"
        "Word=abc\r\n"
        "Negative=-42\r\n"
        "Title=  spaced  \r\n"
        "[ini]\r\nLater=1\r\n");  // a second section of the same name is not read
    EXPECT_EQ(ini.GetInt("ini", "NewerIsUpper", 1), 1);
    EXPECT_EQ(ini.GetInt("ini", "PromptToSave", 0), 12);
    EXPECT_EQ(ini.GetInt("ini", "Empty", 9), 0);
    EXPECT_EQ(ini.GetInt("ini", "Word", 9), 0);
    EXPECT_EQ(ini.GetInt("ini", "Negative", 0), -42);
    EXPECT_EQ(ini.GetInt("ini", "Missing", 5), 5);
    EXPECT_EQ(ini.GetInt("ini", "Later", 0), 0);
    EXPECT_EQ(ini.GetInt("nosection", "PromptToSave", 8), 8);
    EXPECT_EQ(ini.GetString("ini", "Title", "", 32), "spaced");
    EXPECT_EQ(ini.GetString("ini", "Missing", "default text", 8), "default");
}

TEST(IniFile, textReaderCutsAtItsRoomOnACharacterBoundary) {
    // 30 bytes of ASCII, then a double-byte character across the 31-byte room.
    const std::string title = std::string(30, 'a') + Sjis("記");
    const IniFile ini = IniFile::FromText("[ini]\nHtmlTitle=" + title + "\n");
    EXPECT_EQ(ini.GetString("ini", "HtmlTitle", "", 32), std::string(30, 'a'));
    EXPECT_EQ(ini.GetString("ini", "HtmlTitle", "", 33), title);
}

TEST(IniFile, toleratesLongLinesBinaryBytesAndBareLineEnds) {
    std::string text = "[ini]\n";
    text += "Junk=\x01\x02\xff\xfe\n";
    text += "Url=" + std::string(100000, 'u') + "\n";
    text += "\x80\x81garbage line without equals\n";
    text += "Size=4\r";  // a CR without LF stays part of the value line
    const IniFile ini = IniFile::FromText(text);
    EXPECT_EQ(ini.GetString("ini", "Url", "", 256), std::string(255, 'u'));
    EXPECT_EQ(ini.GetInt("ini", "Size", 0), 4);
    EXPECT_EQ(ini.GetString("ini", "Junk", "", 32), "\x01\x02\xff\xfe");
    EXPECT_EQ(ini.Text(), text) << "reading changes nothing";
}

TEST(IniFile, writesReplaceInPlaceOrAppendAndKeepEverythingElse) {
    IniFile ini =
        IniFile::FromText("; my notes\n[Other]\nx=1\n\n[ini]\nA=1\nUnknown=keep\n\n[Last]\ny=2");
    ini.WriteString("ini", "a", "2");              // replaced where it stands
    ini.WriteString("ini", "B", "3");              // appended to the end of the section
    ini.WriteString("new", "C", "line\r\nbreak");  // section created; a value stays on its line
    EXPECT_EQ(ini.Text(),
              "; my notes\n[Other]\nx=1\n\n[ini]\na=2\nUnknown=keep\nB=3\n\n[Last]\ny=2\n"
              "[new]\nC=line\n");
}

TEST(IniFile, writeCreatesTheFileWithCrLf) {
    IniFile ini = IniFile::FromText("");
    ini.WriteString("ini", "NewerIsUpper", "1");
    ini.WriteString("ini", "PromptToSave", "0");
    EXPECT_EQ(ini.Text(), "[ini]\r\nNewerIsUpper=1\r\nPromptToSave=0\r\n");
}

TEST(IniFile, atoiReadsLeadingDigits) {
    struct Case {
        const char* text;
        int32_t value;
    } cases[] = {{"12abc", 12},
                 {"  +7", 7},
                 {"-3x", -3},
                 {"abc", 0},
                 {"", 0},
                 {"000000", 0},
                 {"16777215", 16777215},
                 {"99999999999", 2147483647},
                 {"-99999999999", -2147483647 - 1}};
    for (const Case& c : cases) EXPECT_EQ(AtoiLike(c.text), c.value) << c.text;
}

}  // namespace
}  // namespace kivor
