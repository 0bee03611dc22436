#include <gtest/gtest.h>

#include <cerrno>

#include "platform/file.h"
#include "platform/recording_message_box.h"
#include "settings/settings.h"
#include "support/temp_dir.h"

namespace kivor {
namespace {

using test::FileExists;
using test::ReadFileBytes;
using test::TempDir;
using test::WriteFileBytes;

class SettingsTest : public ::testing::Test {
  protected:
    void TearDown() override { ClearFileFaults(); }
    Settings Load() {
        Settings s;
        LoadSettings(s, dir.Path());
        return s;
    }
    TempDir dir;
    RecordingMessageBox boxes;
};

TEST_F(SettingsTest, firstStartGivesDefaultsAndExitWritesEveryKeyInOrder) {
    Settings s = Load();
    EXPECT_EQ(s.IniFilePath, dir / "kivor.ini");
    EXPECT_EQ(s.NewerIsUpper, 1);
    EXPECT_EQ(s.ColorTitleBackGround, 16776960);
    EXPECT_EQ(s.ExportHtmlPath, dir.Path().substr(0, dir.Path().size() - 1));
    EXPECT_EQ(s.HtmlTitle, Sjis("私の日記"));
    EXPECT_EQ(s.HeaderText, "");
    SaveSettings(s, boxes);
    EXPECT_TRUE(boxes.m_shown.empty());
    const std::string p = s.ExportHtmlPath;
    EXPECT_EQ(ReadFileBytes(dir / "kivor.ini"),
              "[ini]\r\nNewerIsUpper=1\r\nPromptToSave=0\r\nShowWriteHereMessage=0\r\n"
              "YearOrderOlder=0\r\nColorMainLetter=0\r\nColorMainBackGround=16777215\r\n"
              "ColorTitleLetter=16777215\r\nColorTitleBackGround=16776960\r\n"
              "ExportHtmlPath=" +
                  p + "\r\nHtmlTopFileName=index.html\r\nHtmlTitle=" + Sjis("私の日記") +
                  "\r\nFontSizeMain=10\r\nFontSizeTitle=10\r\nUseDefaultFontSizeMain=1\r\n"
                  "UseDefaultFontSizeTitle=1\r\nDisableBR=0\r\nSetDefaultDateYesterday=0\r\n"
                  "ExportHtmlType=1\r\nAddHomePageLink=0\r\nUrlToHomePage=/\r\n"
                  "WhereToWriteFooter=0\r\nWhereToWriteHeader=0\r\n");
    EXPECT_EQ(ReadFileBytes(dir / "header.txt"), "");
    EXPECT_EQ(ReadFileBytes(dir / "footer.txt"), "");
}

TEST_F(SettingsTest, handEditedValuesLoadAsTheReadersGiveThem) {
    const std::string longTitle = std::string(29, 't') + Sjis("日記");  // 33 bytes
    WriteFileBytes(dir / "kivor.ini",
                   "[Ini]\n"
                   "YearOrderOlder=2\nShowWriteHereMessage=2\nNewerIsUpper=2\nPromptToSave=2\n"
                   "FontSizeMain=12abc\nFontSizeTitle=123456789\nColorMainLetter=255x\n"
                   "HtmlTitle=" +
                       longTitle + "\nExportHtmlType=3\nExportHtmlType=1\n");
    Settings s = Load();
    EXPECT_EQ(s.YearOrderOlder, 2);
    EXPECT_EQ(s.PromptToSave, 2);
    EXPECT_EQ(s.FontSizeMain, 12);
    EXPECT_EQ(s.FontSizeTitle, 1234567);  // read through an 8-byte buffer
    EXPECT_EQ(s.ColorMainLetter, 255);
    EXPECT_EQ(s.ExportHtmlType, 3);
    EXPECT_EQ(s.HtmlTitle, std::string(29, 't') + Sjis("日"));  // 31 bytes, whole characters

    SaveSettings(s, boxes);
    const std::string ini = ReadFileBytes(dir / "kivor.ini");
    for (const char* key :
         {"YearOrderOlder", "ShowWriteHereMessage", "NewerIsUpper", "PromptToSave"})
        EXPECT_NE(ini.find(std::string(key) + "=0\n"), std::string::npos) << key;
    EXPECT_NE(ini.find("HtmlTitle=" + s.HtmlTitle + "\n"), std::string::npos);
    EXPECT_EQ(ini.find("ExportHtmlType=1\n"), ini.rfind("ExportHtmlType=1\n"))
        << "the first of repeated keys is replaced, the second stays";
    EXPECT_EQ(ini.rfind("\r\n"), std::string::npos) << "an LF file stays LF";
    EXPECT_EQ(ini.rfind("[Ini]\n", 0), 0u);
}

TEST_F(SettingsTest, unknownLinesAndSectionsSurviveTheSave) {
    WriteFileBytes(dir / "kivor.ini", "[window]\r\nx=10\r\n[ini]\r\nMyNote=keep me\r\n");
    SaveSettings(Load(), boxes);
    const std::string ini = ReadFileBytes(dir / "kivor.ini");
    EXPECT_EQ(ini.rfind("[window]\r\nx=10\r\n[ini]\r\nMyNote=keep me\r\nNewerIsUpper=1\r\n", 0),
              0u);
}

TEST_F(SettingsTest, textFilesAreReadWholeAndWrittenBack) {
    WriteFileBytes(dir / "footer.txt", "<b>foot</b>\r\n" + Sjis("表ソ"));
    Settings s = Load();
    EXPECT_EQ(s.HeaderText, "");
    EXPECT_EQ(s.FooterText, "<b>foot</b>\r\n" + Sjis("表ソ"));
    SaveSettings(s, boxes);
    EXPECT_EQ(ReadFileBytes(dir / "header.txt"), "");
    EXPECT_EQ(ReadFileBytes(dir / "footer.txt"), s.FooterText);
}

TEST_F(SettingsTest, aHeaderWithNulBytesIsKeptUnlessTheUserChangedIt) {
    const std::string utf16 = std::string("h\0e\0a\0d\0", 8);
    WriteFileBytes(dir / "header.txt", utf16);
    Settings s = Load();
    EXPECT_EQ(s.HeaderText, "h");  // each 100-byte block up to its first NUL
    SaveSettings(s, boxes);
    EXPECT_EQ(ReadFileBytes(dir / "header.txt"), utf16);
    s.HeaderText = "new header";
    SaveSettings(s, boxes);
    EXPECT_EQ(ReadFileBytes(dir / "header.txt"), "new header");
}

TEST_F(SettingsTest, anUnreadableHeaderSurvivesExitUnchanged) {
    WriteFileBytes(dir / "header.txt", "precious header");
    InjectFileFault(FaultOp::openRead, "header.txt", EACCES);
    Settings s = Load();
    ClearFileFaults();
    EXPECT_EQ(s.HeaderText, "");
    SaveSettings(s, boxes);
    EXPECT_EQ(ReadFileBytes(dir / "header.txt"), "precious header");
    EXPECT_TRUE(boxes.m_shown.empty());
}

TEST_F(SettingsTest, aHeaderThatCannotBeWrittenIsReportedAndFooterLeftAlone) {
    WriteFileBytes(dir / "footer.txt", "old footer");
    Settings s = Load();
    s.FooterText = "new footer";
    s.WhereToWriteHeader = 3;
    InjectFileFault(FaultOp::openWrite, "header.txt", EACCES);
    SaveSettings(s, boxes);
    ASSERT_EQ(boxes.m_shown.size(), 2u);
    EXPECT_EQ(boxes.m_shown[0].caption, "Error");
    EXPECT_EQ(boxes.m_shown[0].icon, MbIcon::information);
    EXPECT_EQ(boxes.m_shown[0].buttons, MbButtons::ok);
    EXPECT_EQ(boxes.m_shown[1].TextUtf8(),
              "ファイルのオープンに失敗しました。:098 " + (dir / "header.txt"));
    EXPECT_EQ(boxes.m_shown[1].CaptionUtf8(), "ケルノア");
    EXPECT_EQ(boxes.m_shown[1].icon, MbIcon::exclamation);
    EXPECT_EQ(ReadFileBytes(dir / "footer.txt"), "old footer");
    // The keys after the text files are written all the same.
    EXPECT_NE(ReadFileBytes(dir / "kivor.ini").find("WhereToWriteHeader=3\r\n"), std::string::npos);
}

TEST_F(SettingsTest, aFailedWriteHalfWayLeavesTheOldTextFileWhole) {
    WriteFileBytes(dir / "header.txt", "old header");
    Settings s = Load();
    s.HeaderText = std::string(5000, 'h');
    InjectFileFault(FaultOp::write, "header.txt", ENOSPC, 1000);
    SaveSettings(s, boxes);
    EXPECT_EQ(ReadFileBytes(dir / "header.txt"), "old header");
    EXPECT_EQ(boxes.m_shown.size(), 2u);
}

TEST_F(SettingsTest, anUnreadableIniIsNotReplaced) {
    WriteFileBytes(dir / "kivor.ini", "[ini]\r\nPromptToSave=1\r\n[mine]\r\nz=1\r\n");
    InjectFileFault(FaultOp::openRead, "kivor.ini", EACCES);
    Settings s = Load();
    EXPECT_EQ(s.PromptToSave, 0);
    SaveSettings(s, boxes);
    ClearFileFaults();
    EXPECT_EQ(ReadFileBytes(dir / "kivor.ini"), "[ini]\r\nPromptToSave=1\r\n[mine]\r\nz=1\r\n");
}

}  // namespace
}  // namespace kivor
