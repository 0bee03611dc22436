// The sheet "細かい設定" as a whole, and its link page.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "settings/options_sheet.h"
#include "sheet_test_support.h"

namespace kivor {
namespace {

using test::Find;
using test::Q;

constexpr int kColorPage = 0;
constexpr int kHeaderFooterPage = 1;
constexpr int kLinkPage = 2;

struct DetailsSheet {
    Settings settings = test::FreshSettings();
    std::unique_ptr<PropertySheet> sheet;

    void Open() {
        sheet = MakeExportDetailsSheet(nullptr, settings);
        sheet->show();
    }
    QWidget* ShowPage(int index) {
        sheet->Tabs()->setCurrentIndex(index);
        return sheet->Page(index);
    }
};

TEST(DetailsSheet, holdsTheThreePagesInOrder_andOpensOnTheColourPage) {
    DetailsSheet d;
    d.Open();
    EXPECT_EQ(d.sheet->windowTitle(), Q("細かい設定"));
    ASSERT_EQ(d.sheet->PageCount(), 3);
    EXPECT_EQ(d.sheet->Tabs()->tabText(0), Q("フォント(色、大きさ)の選択"));
    EXPECT_EQ(d.sheet->Tabs()->tabText(1), Q("ヘッダー/フッター"));
    EXPECT_EQ(d.sheet->Tabs()->tabText(2), Q("リンク"));
    EXPECT_EQ(d.sheet->ActivePageIndex(), kColorPage);
    EXPECT_TRUE(d.sheet->Page(kColorPage)->IsCreated());
    EXPECT_FALSE(d.sheet->Page(kHeaderFooterPage)->IsCreated());
    EXPECT_FALSE(d.sheet->Page(kLinkPage)->IsCreated());
    // The colour page marks itself changed while it fills its size boxes.
    EXPECT_TRUE(d.sheet->ApplyButton()->isEnabled());
    // The focus starts on the page's first control.
    QApplication::setActiveWindow(d.sheet.get());
    QCoreApplication::processEvents();
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("1033"));
}

TEST(DetailsSheet, pagesNeverShown_storeNothingOnOk) {
    DetailsSheet d;
    d.settings.AddHomePageLink = 1;
    d.settings.UrlToHomePage = "http://example.org/~me/";
    d.settings.HeaderText = "keep\r\n";
    d.settings.WhereToWriteHeader = 7;
    d.Open();
    d.sheet->OkButton()->click();
    EXPECT_EQ(d.settings.AddHomePageLink, 1);
    EXPECT_EQ(d.settings.UrlToHomePage, "http://example.org/~me/");
    EXPECT_EQ(d.settings.HeaderText, "keep\r\n");
    EXPECT_EQ(d.settings.WhereToWriteHeader, 7);
}

TEST(DetailsSheet, cancelRightAfterOpening_changesNothing) {
    DetailsSheet d;
    d.settings.ColorMainBackGround = 123456;
    d.settings.FontSizeMain = 77;
    d.Open();
    d.ShowPage(kHeaderFooterPage);
    d.ShowPage(kLinkPage);
    d.sheet->CancelButton()->click();
    EXPECT_EQ(d.settings.ColorMainBackGround, 123456);
    EXPECT_EQ(d.settings.FontSizeMain, 77);
    EXPECT_EQ(d.settings.UrlToHomePage, "/");
}

TEST(LinkPage, boxEnablesTheAddress_andNeverEnablesApply) {
    DetailsSheet d;
    d.settings.UrlToHomePage = "http://example.org/";
    d.Open();
    d.sheet->ApplyButton()->click();  // the colour page's change is applied
    QWidget* page = d.ShowPage(kLinkPage);
    auto* box = Find<QCheckBox>(page, 1067);
    auto* url = Find<QLineEdit>(page, 1066);
    EXPECT_EQ(box->text(), Q("「ホームページへ戻る」のリンクを追加"));
    EXPECT_FALSE(box->isChecked());
    EXPECT_FALSE(url->isEnabled());
    EXPECT_EQ(url->text(), Q("http://example.org/"));
    box->click();
    EXPECT_TRUE(url->isEnabled());
    box->click();
    EXPECT_FALSE(url->isEnabled());
    EXPECT_EQ(url->text(), Q("http://example.org/")) << "a greyed-out box keeps its text";
    EXPECT_FALSE(d.sheet->ApplyButton()->isEnabled());
}

TEST(LinkPage, okStoresBothValues_alsoWithTheAddressGreyedOut) {
    DetailsSheet d;
    d.settings.AddHomePageLink = 1;
    d.Open();
    QWidget* page = d.ShowPage(kLinkPage);
    auto* url = Find<QLineEdit>(page, 1066);
    EXPECT_TRUE(url->isEnabled());
    url->selectAll();
    QTest::keyClicks(url, "http://example.org/home");
    Find<QCheckBox>(page, 1067)->click();
    d.sheet->OkButton()->click();
    EXPECT_EQ(d.settings.AddHomePageLink, 0);
    EXPECT_EQ(d.settings.UrlToHomePage, "http://example.org/home");
}

TEST(LinkPage, anEmptiedAddressIsStoredEmpty) {
    DetailsSheet d;
    d.settings.AddHomePageLink = 1;
    d.Open();
    auto* url = Find<QLineEdit>(d.ShowPage(kLinkPage), 1066);
    url->selectAll();
    QTest::keyClick(url, Qt::Key_Delete);
    d.sheet->OkButton()->click();
    EXPECT_EQ(d.settings.UrlToHomePage, "");
}

TEST(LinkPage, theAddressHoldsAtMost255Bytes_pastedTextIsCutBetweenCharacters) {
    DetailsSheet d;
    d.settings.AddHomePageLink = 1;
    d.settings.UrlToHomePage = std::string(250, 'a');
    d.Open();
    auto* url = Find<QLineEdit>(d.ShowPage(kLinkPage), 1066);
    url->end(false);
    // 2 + 2 + 2 bytes would make 256: the third character does not fit.
    QApplication::clipboard()->setText(Q("あいう"));
    url->paste();
    EXPECT_EQ(url->text(), Q(std::string(250, 'a').append("あい").c_str()));
    QTest::keyClicks(url, "bc");
    EXPECT_EQ(url->text().size(), 253) << "one more byte fits, then nothing";
    d.sheet->OkButton()->click();
    EXPECT_EQ(d.settings.UrlToHomePage.size(), 255u);
    EXPECT_EQ(d.settings.UrlToHomePage, std::string(250, 'a') + test::Cp932("あい") + "b");
}

TEST(LinkPage, refusesCharactersThatShiftJisCannotHold) {
    DetailsSheet d;
    d.settings.AddHomePageLink = 1;
    d.Open();
    auto* url = Find<QLineEdit>(d.ShowPage(kLinkPage), 1066);
    url->end(false);
    QApplication::clipboard()->setText(Q("x😀"));
    url->paste();
    EXPECT_EQ(url->text(), Q("/"));
    d.sheet->OkButton()->click();
    EXPECT_EQ(d.settings.UrlToHomePage, "/");
}

}  // namespace
}  // namespace kivor
