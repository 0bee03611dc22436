// The exported pages, byte for byte, for every layout and four sets of
// settings on the fixture diary (two years with a May each, two days in one
// month, an empty entry; CR LF, lone CR and LF, HTML tags, and the
// characters 表 and ソ whose second byte is a backslash).
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "export_fixture.h"
#include "platform/cp932.h"

namespace kivor::test {
namespace {

struct PageSettings {
    const char* name;
    int32_t colorMainLetter, colorMainBackGround, colorTitleLetter, colorTitleBackGround;
    int32_t useDefaultFontSizeMain, fontSizeMain, useDefaultFontSizeTitle, fontSizeTitle;
    int32_t whereToWriteHeader, whereToWriteFooter, disableBR;
    int32_t newerIsUpper, yearOrderOlder, addHomePageLink;
    const char* urlToHomePage;
    const char* title;  // UTF-8
    const char* mainFile;
};

// A: the defaults, a footer placement outside 0-3. B: every colour and both
// font sizes set, header on list pages, footer everywhere, breaks kept,
// oldest first, the home-page link. C: header and footer on entry pages,
// an empty title, an entry font size. D: header everywhere, footer on list
// pages, breaks kept.
const PageSettings kSettings[] = {
    {"A", 0, 16777215, 16777215, 16776960, 1, 10, 1, 10, 0, 7, 0, 1, 0, 0, "/", "私の日記",
     "index.html"},
    {"B", 0x112233, 0x00FFEEDD, 0x7F000080, 0x0080FF00, 0, 3, 0, 5, 1, 3, 1, 0, 1, 1,
     "http://example.jp/~me/", "Diary", "top.htm"},
    {"C", 0, 16777215, 16777215, 16776960, 0, 2, 1, 10, 2, 2, 0, 1, 1, 1, "/", "", "index.html"},
    {"D", 0, 16777215, 16777215, 16776960, 1, 10, 1, 10, 3, 1, 1, 0, 0, 0, "/", "私の日記",
     "index.html"},
};

void Apply(const PageSettings& p, Settings& s) {
    s.ColorMainLetter = p.colorMainLetter;
    s.ColorMainBackGround = p.colorMainBackGround;
    s.ColorTitleLetter = p.colorTitleLetter;
    s.ColorTitleBackGround = p.colorTitleBackGround;
    s.UseDefaultFontSizeMain = p.useDefaultFontSizeMain;
    s.FontSizeMain = p.fontSizeMain;
    s.UseDefaultFontSizeTitle = p.useDefaultFontSizeTitle;
    s.FontSizeTitle = p.fontSizeTitle;
    s.WhereToWriteHeader = p.whereToWriteHeader;
    s.WhereToWriteFooter = p.whereToWriteFooter;
    s.DisableBR = p.disableBR;
    s.NewerIsUpper = p.newerIsUpper;
    s.YearOrderOlder = p.yearOrderOlder;
    s.AddHomePageLink = p.addHomePageLink;
    s.UrlToHomePage = p.urlToHomePage;
    s.HtmlTitle = Sjis(p.title);
    s.HtmlTopFileName = p.mainFile;
    s.HeaderText = Sjis("ヘッダ\r\n<i>表</i>");
    s.FooterText = Sjis("フッタ\r\nソ");
}

class ExportPagesTest : public ::testing::TestWithParam<std::tuple<int, int>> {};

TEST_P(ExportPagesTest, pagesMatchTheExpectedBytes) {
    const PageSettings& p = kSettings[std::get<0>(GetParam())];
    const int layout = std::get<1>(GetParam());
    ExportFixture f;
    Apply(p, f.settings);
    f.AddFixtureEntries();
    f.BuildTree();

    ASSERT_EQ(f.Run(layout), ExportResult::succeeded);
    ASSERT_EQ(f.boxes.m_shown.size(), 1u);
    EXPECT_EQ(f.boxes.m_shown[0].CaptionUtf8(), "成功");

    const std::string expectedFolder =
        ExportDataPath(std::string("config") + p.name + "/layout" + std::to_string(layout));
    std::map<std::string, std::string> expected = FilesIn(expectedFolder);
    std::map<std::string, std::string> written = FilesIn(f.out);
    ASSERT_FALSE(expected.empty()) << expectedFolder;
    for (auto& [name, bytes] : expected) bytes = WithBuildHomePage(bytes);
    for (const auto& [name, bytes] : expected) {
        ASSERT_TRUE(written.count(name)) << name << " was not written";
        EXPECT_EQ(written[name], bytes) << name << " differs (settings " << p.name << ")";
    }
    for (const auto& [name, bytes] : written)
        EXPECT_TRUE(expected.count(name)) << name << " was not expected";
}

INSTANTIATE_TEST_SUITE_P(AllLayouts, ExportPagesTest,
                         ::testing::Combine(::testing::Range(0, 4), ::testing::Values(1, 2, 3)),
                         [](const auto& info) {
                             return std::string("settings") +
                                    kSettings[std::get<0>(info.param)].name + "_layout" +
                                    std::to_string(std::get<1>(info.param));
                         });

}  // namespace
}  // namespace kivor::test
