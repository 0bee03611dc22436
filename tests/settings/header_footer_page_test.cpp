// The header and footer page of the sheet "細かい設定".
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>

#include "settings/cp932_text_edit.h"
#include "settings/options_sheet.h"
#include "sheet_test_support.h"

namespace kivor {
namespace {

using test::Find;
using test::Q;

struct HeaderFooterPage {
    Settings settings = test::FreshSettings();
    std::unique_ptr<PropertySheet> sheet;
    QWidget* page = nullptr;

    void Open() {
        sheet = MakeExportDetailsSheet(nullptr, settings);
        sheet->show();
        sheet->Tabs()->setCurrentIndex(1);
        page = sheet->Page(1);
    }
    QComboBox* HeaderPlace() { return Find<QComboBox>(page, 1050); }
    QComboBox* FooterPlace() { return Find<QComboBox>(page, 1051); }
    Cp932TextEdit* Header() { return Find<Cp932TextEdit>(page, 1022); }
    Cp932TextEdit* Footer() { return Find<Cp932TextEdit>(page, 1003); }
    QCheckBox* DisableBR() { return Find<QCheckBox>(page, 1052); }
};

QStringList Items(const QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
    return items;
}

TEST(HeaderFooterPage, listsHoldTheFourPlacesInStoredOrder) {
    HeaderFooterPage h;
    h.Open();
    EXPECT_EQ(Items(h.HeaderPlace()),
              (QStringList{Q("どちらにもヘッダーを書かない"), Q("一覧のページのみヘッダーを書く"),
                           Q("本文のページのみヘッダーを書く"), Q("両方にヘッダーを書く")}));
    EXPECT_EQ(Items(h.FooterPlace()),
              (QStringList{Q("どちらにもフッターを書かない"), Q("一覧のページのみフッターを書く"),
                           Q("本文のページのみフッターを書く"), Q("両方にフッターを書く")}));
    EXPECT_FALSE(h.HeaderPlace()->isEditable());
    EXPECT_EQ(Find<QCheckBox>(h.page, 1052)->text(), Q("改行を無視する (改行を<BR>に変換しない)"));
}

TEST(HeaderFooterPage, textBoxesHaveOnlyAVerticalScrollBar_andScrollSidewaysWithTheCaret) {
    HeaderFooterPage h;
    h.settings.HeaderText = std::string(300, 'h');
    h.Open();
    for (Cp932TextEdit* edit : {h.Header(), h.Footer()}) {
        EXPECT_TRUE(edit->verticalScrollBar()->isVisible());
        EXPECT_FALSE(edit->horizontalScrollBar()->isVisible());
        EXPECT_EQ(edit->lineWrapMode(), QPlainTextEdit::NoWrap);
    }
    h.Header()->moveCursor(QTextCursor::End);
    EXPECT_GT(h.Header()->horizontalScrollBar()->value(), 0);
}

TEST(HeaderFooterPage, firstUse_showsNeitherPlaceAndEmptyTexts) {
    HeaderFooterPage h;
    h.Open();
    EXPECT_EQ(h.HeaderPlace()->currentText(), Q("どちらにもヘッダーを書かない"));
    EXPECT_EQ(h.FooterPlace()->currentText(), Q("どちらにもフッターを書かない"));
    EXPECT_TRUE(h.Header()->toPlainText().isEmpty());
    EXPECT_TRUE(h.Footer()->toPlainText().isEmpty());
    EXPECT_FALSE(h.DisableBR()->isChecked());
}

TEST(HeaderFooterPage, thePositionChosenIsTheValueStored) {
    const struct { int header, footer; } cases[] = {{3, 1}, {1, 3}, {2, 0}, {0, 2}};
    for (const auto& c : cases) {
        HeaderFooterPage h;
        h.Open();
        h.HeaderPlace()->setCurrentIndex(c.header);
        h.FooterPlace()->setCurrentIndex(c.footer);
        h.sheet->OkButton()->click();
        EXPECT_EQ(h.settings.WhereToWriteHeader, c.header);
        EXPECT_EQ(h.settings.WhereToWriteFooter, c.footer);
    }
    HeaderFooterPage shown;
    shown.settings.WhereToWriteHeader = 3;
    shown.settings.WhereToWriteFooter = 1;
    shown.Open();
    EXPECT_EQ(shown.HeaderPlace()->currentText(), Q("両方にヘッダーを書く"));
    EXPECT_EQ(shown.FooterPlace()->currentText(), Q("一覧のページのみフッターを書く"));
}

TEST(HeaderFooterPage, aPlaceOutsideZeroToThree_showsNoSelection_andOkStoresMinusOne) {
    HeaderFooterPage h;
    h.settings.WhereToWriteHeader = 7;
    h.settings.WhereToWriteFooter = -3;
    h.Open();
    EXPECT_EQ(h.HeaderPlace()->currentIndex(), -1);
    EXPECT_EQ(h.FooterPlace()->currentIndex(), -1);
    h.sheet->OkButton()->click();
    EXPECT_EQ(h.settings.WhereToWriteHeader, -1);
    EXPECT_EQ(h.settings.WhereToWriteFooter, -1);
}

TEST(HeaderFooterPage, untouchedTextsAreStoredByteForByte) {
    HeaderFooterPage h;
    // CR LF pairs, a lone LF and bytes that are not Shift-JIS at all.
    h.settings.HeaderText = test::Cp932("<b>見出し</b>\r\n二行目\nend\r\n");
    h.settings.FooterText = std::string("a\x81\x20z\r\n", 6);
    h.settings.DisableBR = 1;
    h.Open();
    EXPECT_EQ(h.Header()->toPlainText(), Q("<b>見出し</b>\n二行目\nend\n"));
    EXPECT_TRUE(h.DisableBR()->isChecked());
    h.DisableBR()->click();
    h.sheet->OkButton()->click();
    EXPECT_EQ(h.settings.HeaderText, test::Cp932("<b>見出し</b>\r\n二行目\nend\r\n"));
    EXPECT_EQ(h.settings.FooterText, std::string("a\x81\x20z\r\n", 6));
    EXPECT_EQ(h.settings.DisableBR, 0);
}

TEST(HeaderFooterPage, typedLinesAreStoredWithCrLf_andTagsUnchanged) {
    HeaderFooterPage h;
    h.Open();
    h.Header()->setFocus();
    QTest::keyClicks(h.Header(), "<a href=\"/\">");
    test::TypeText(h.Header(), Q("ホーム"));
    QTest::keyClick(h.Header(), Qt::Key_Return);
    QTest::keyClicks(h.Header(), "</a>");
    h.sheet->OkButton()->click();
    EXPECT_EQ(h.settings.HeaderText, test::Cp932("<a href=\"/\">ホーム\r\n</a>"));
    EXPECT_EQ(h.settings.FooterText, "");
}

TEST(HeaderFooterPage, eachControlReportsAChange) {
    for (int control : {1050, 1051, 1022, 1003, 1052}) {
        HeaderFooterPage h;
        h.Open();
        h.sheet->ApplyButton()->click();  // the colour page's opening change
        ASSERT_FALSE(h.sheet->ApplyButton()->isEnabled());
        switch (control) {
            case 1050:
                h.HeaderPlace()->setCurrentIndex(2);
                break;
            case 1051:
                h.FooterPlace()->setCurrentIndex(2);
                break;
            case 1022:
                QTest::keyClicks(h.Header(), "x");
                break;
            case 1003:
                QTest::keyClicks(h.Footer(), "x");
                break;
            case 1052:
                h.DisableBR()->click();
                break;
        }
        EXPECT_TRUE(h.sheet->ApplyButton()->isEnabled()) << control;
    }
}

TEST(HeaderFooterPage, aLongerLoadedTextStaysWhole_butTypingStopsAt1023Characters) {
    HeaderFooterPage h;
    h.settings.HeaderText = std::string(2000, 'h');
    h.settings.FooterText = std::string(1020, 'f');
    h.Open();
    EXPECT_EQ(h.Header()->toPlainText().size(), 2000);
    h.Header()->moveCursor(QTextCursor::End);
    QTest::keyClicks(h.Header(), "more");
    EXPECT_EQ(h.Header()->toPlainText().size(), 2000);
    // Deleting is possible.
    QTest::keyClick(h.Header(), Qt::Key_Backspace);
    EXPECT_EQ(h.Header()->toPlainText().size(), 1999);

    h.Footer()->moveCursor(QTextCursor::End);
    QTest::keyClicks(h.Footer(), "12345");
    EXPECT_EQ(h.Footer()->toPlainText().size(), 1023);
    QTest::keyClick(h.Footer(), Qt::Key_Backspace);
    QTest::keyClick(h.Footer(), Qt::Key_Backspace);
    // A line break counts as its two characters CR LF.
    QTest::keyClick(h.Footer(), Qt::Key_Return);
    EXPECT_EQ(h.Footer()->LimitedLength(), 1023);
    QTest::keyClick(h.Footer(), Qt::Key_Backspace);
    QTest::keyClicks(h.Footer(), "2");
    QTest::keyClick(h.Footer(), Qt::Key_Return);
    EXPECT_EQ(h.Footer()->LimitedLength(), 1022);
    // Pasted text is cut to what fits.
    QApplication::clipboard()->setText(Q("あいう"));
    h.Footer()->paste();
    h.sheet->OkButton()->click();
    EXPECT_EQ(h.settings.HeaderText, std::string(1999, 'h'));
    EXPECT_EQ(h.settings.FooterText, std::string(1020, 'f') + "12" + test::Cp932("あ"));
}

TEST(HeaderFooterPage, refusesCharactersThatShiftJisCannotHold) {
    HeaderFooterPage h;
    h.Open();
    QApplication::clipboard()->setText(Q("日記😀"));
    h.Header()->paste();
    test::TypeText(h.Header(), Q("Ω😀ok"));
    h.sheet->OkButton()->click();
    EXPECT_EQ(h.settings.HeaderText, test::Cp932("Ωok"));
}

TEST(HeaderFooterPage, cancelAfterTyping_changesNothing) {
    HeaderFooterPage h;
    h.settings.FooterText = "old";
    h.Open();
    QTest::keyClicks(h.Footer(), "new");
    h.FooterPlace()->setCurrentIndex(3);
    h.sheet->CancelButton()->click();
    EXPECT_EQ(h.settings.FooterText, "old");
    EXPECT_EQ(h.settings.WhereToWriteFooter, 0);
}

}  // namespace
}  // namespace kivor
