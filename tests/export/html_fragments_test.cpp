// The fragments on their own: colours, sizes, line breaks, empty texts.
#include "export/html_fragments.h"

#include <gtest/gtest.h>

#include "export/export_label.h"
#include "platform/cp932.h"

namespace kivor {
namespace {

TEST(ColorToHex, sixLowerCaseDigitsRedFirstTopByteIgnored) {
    EXPECT_EQ(ColorToHex(0), "000000");
    EXPECT_EQ(ColorToHex(16777215), "ffffff");
    EXPECT_EQ(ColorToHex(16776960), "00ffff");
    EXPECT_EQ(ColorToHex(0x000A0B0C), "0c0b0a");
    EXPECT_EQ(ColorToHex(static_cast<int32_t>(0xFF000001)), "010000");
}

TEST(WriteTitleTable, sizeAttributeOnlyWithoutTheDefaultSize) {
    Settings s;
    s.UseDefaultFontSizeTitle = 0;
    s.FontSizeTitle = 5;
    std::string page;
    WriteTitleTable(s, 0, 16776960, "H", page);
    EXPECT_NE(page.find("<font color=\"#000000\" size=5>\r\nH</font>"), std::string::npos) << page;

    s.UseDefaultFontSizeTitle = 1;
    page.clear();
    WriteTitleTable(s, 0, 16776960, "H", page);
    EXPECT_EQ(page,
              "<table border=\"1\" width=\"100%\" bgcolor=\"#00ffff\">\r\n<tr>\r\n"
              "<td width=\"100%\">\r\n<font color=\"#000000\">\r\nH</font>\r\n</td>\r\n"
              "</tr>\r\n</table>\r\n");
}

TEST(WriteFontText, unquotedAttributes) {
    Settings s;
    s.UseDefaultFontSizeMain = 0;
    s.FontSizeMain = 3;
    std::string page;
    WriteFontText(s, 0, "t", page);
    EXPECT_EQ(page, "<font color=#000000 size=3>t</font>");
    s.UseDefaultFontSizeMain = 1;
    page.clear();
    WriteFontText(s, 0x0000FF, "", page);
    EXPECT_EQ(page, "<font color=#ff0000></font>");
}

TEST(WriteHeaderFooter, breaksAndEmptyTexts) {
    Settings s;
    s.HeaderText = "A\r\nB";
    s.FooterText = "C\r\nD";
    struct Case {
        int disableBR;
        bool header;
        const char* expected;
    } cases[] = {
        {0, true, "A<br>B<p>"},
        {1, true, "A\r\nB<p>"},
        {0, false, "C<br>D"},
        {2, false, "C\r\nD"},
    };
    for (const Case& c : cases) {
        s.DisableBR = c.disableBR;
        std::string page = "x";
        WriteHeaderFooter(s, c.header, page);
        EXPECT_EQ(page, std::string("x") + c.expected);
    }
    EXPECT_EQ(s.HeaderText, "A\r\nB");  // the settings keep their texts

    s.HeaderText.clear();
    s.FooterText.clear();
    std::string page;
    WriteHeaderFooter(s, true, page);
    WriteHeaderFooter(s, false, page);
    EXPECT_EQ(page, "");
}

TEST(ConvertLineBreaks, onlyCrLfPairsBecomeBr) {
    std::string text = "a\r\nb\nc\rd\r\n\r\n";
    ConvertLineBreaks(text);
    EXPECT_EQ(text, "a<BR>b\nc\rd<BR><BR>");
    std::string tags = Sjis("<b>表</b>\\");
    ConvertLineBreaks(tags);
    EXPECT_EQ(tags, Sjis("<b>表</b>\\"));
}

TEST(WriteBackLinkAndCredit, fixedTexts) {
    Settings s;
    s.HtmlTopFileName = "top%s.htm";
    std::string page;
    WriteBackLink(s, page);
    EXPECT_EQ(page, Sjis("<p align=\"center\">[<a href=\"./top%s.htm\">戻る</a>]</p>"));
    page.clear();
    WriteCredit(page);
    EXPECT_EQ(page, Sjis(std::string("<p><p>この日記は<a href=\"") + KIVOR_HOMEPAGE_URL +
                         "\">ケルノア</a>で作成されました。</p><p>"));
    s.UrlToHomePage = "http://a/?x=1&y=<2>";
    page.clear();
    WriteHomePageLink(s, page);
    EXPECT_EQ(page, Sjis("<p><center><p><a href=\"http://a/?x=1&y=<2>\">ホームページへ</a></p>"
                         "</center><p>"));
}

TEST(KindOfLabel, laterMarkWins) {
    EXPECT_EQ(KindOfLabel(Sjis("2004年")), LabelKind::year);
    EXPECT_EQ(KindOfLabel(Sjis("05月")), LabelKind::month);
    EXPECT_EQ(KindOfLabel(Sjis("14日")), LabelKind::day);
    EXPECT_EQ(KindOfLabel(Sjis("年月")), LabelKind::month);
    EXPECT_EQ(KindOfLabel("TOP"), LabelKind::none);
    RunningDate date;
    date.Take(Sjis("2004年"));
    date.Take(Sjis("05月"));
    date.Take("TOP");
    EXPECT_EQ(date.Take(Sjis("09日")), LabelKind::day);
    EXPECT_EQ(date.DateKey(), "20040509");
}

}  // namespace
}  // namespace kivor
