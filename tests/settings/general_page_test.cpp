// The sheet "オプション" and its general page.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "settings/options_sheet.h"
#include "sheet_test_support.h"

namespace kivor {
namespace {

using test::Find;
using test::Q;

struct GeneralSheet {
    Settings settings = test::FreshSettings();
    int resorts = 0;
    int yearOrderWhenResorted = -1;
    std::unique_ptr<PropertySheet> sheet;

    void Open() {
        sheet = MakeOptionsSheet(nullptr, settings, [this] {
            ++resorts;
            yearOrderWhenResorted = settings.YearOrderOlder;
        });
        sheet->show();
    }
    QCheckBox* Box(int id) { return Find<QCheckBox>(sheet->Page(0), id); }
};

TEST(GeneralPage, showsTheFiveBoxesTopToBottom_fromTheSettings) {
    GeneralSheet g;
    g.settings.PromptToSave = 1;
    g.settings.ShowWriteHereMessage = 0;
    g.settings.YearOrderOlder = 1;
    g.settings.SetDefaultDateYesterday = 0;
    g.settings.NewerIsUpper = 1;
    g.Open();
    EXPECT_EQ(g.sheet->windowTitle(), Q("オプション"));
    ASSERT_EQ(g.sheet->PageCount(), 1);
    EXPECT_EQ(g.sheet->Tabs()->tabText(0), Q("一般"));

    const struct {
        int id;
        const char* text;
        bool ticked;
    } boxes[] = {
        {1013, "ページを移動するときに保存を確認", true},
        {1014, "<ここに日記を書いてください>のメッセージを表示しない", false},
        {1063, "昔の順に表示(例：2001年、2002年、2003年・・・)", true},
        {1068, "日記を書く時は昨日の日記を書く", false},
        {1070, "新しい日を上に表示で書き出し", true},
    };
    int previousY = -1;
    for (const auto& b : boxes) {
        QCheckBox* box = g.Box(b.id);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), Q(b.text));
        EXPECT_EQ(box->isChecked(), b.ticked) << b.id;
        EXPECT_GT(box->y(), previousY) << b.id;
        previousY = box->y();
    }
    EXPECT_FALSE(g.sheet->ApplyButton()->isEnabled());
}

TEST(GeneralPage, opensWithTheFocusOnTheFirstBox) {
    GeneralSheet g;
    g.Open();
    QApplication::setActiveWindow(g.sheet.get());
    QCoreApplication::processEvents();
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("1013"));
    // The space bar ticks it like a click.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_TRUE(g.Box(1013)->isChecked());
    EXPECT_TRUE(g.sheet->ApplyButton()->isEnabled());
}

TEST(GeneralPage, boxes1013_1014_1068_enableApply_andApplyStoresAndResorts) {
    for (int id : {1013, 1014, 1068}) {
        GeneralSheet g;
        g.Open();
        g.Box(id)->click();
        EXPECT_TRUE(g.sheet->ApplyButton()->isEnabled()) << id;
        g.sheet->ApplyButton()->click();
        EXPECT_FALSE(g.sheet->ApplyButton()->isEnabled());
        EXPECT_EQ(g.resorts, 1);
        auto stored = [&] {
            return id == 1013   ? g.settings.PromptToSave
                   : id == 1014 ? g.settings.ShowWriteHereMessage
                                : g.settings.SetDefaultDateYesterday;
        };
        EXPECT_EQ(stored(), 1) << id;
        // What Apply stored stays when the sheet is then cancelled.
        g.Box(id)->click();
        g.sheet->CancelButton()->click();
        EXPECT_EQ(g.resorts, 1);
        EXPECT_EQ(stored(), 1) << id;
    }
}

TEST(GeneralPage, boxes1063_1070_leaveApplyDisabled_yetOkStoresThem) {
    GeneralSheet g;
    g.Open();
    g.Box(1063)->click();
    g.Box(1070)->click();
    EXPECT_FALSE(g.sheet->ApplyButton()->isEnabled());
    g.sheet->OkButton()->click();
    EXPECT_EQ(g.settings.YearOrderOlder, 1);
    EXPECT_EQ(g.settings.NewerIsUpper, 0);
    // The tree is re-sorted after the new order is stored.
    EXPECT_EQ(g.resorts, 1);
    EXPECT_EQ(g.yearOrderWhenResorted, 1);
}

TEST(GeneralPage, okWithoutChanges_stillResortsTheTree) {
    GeneralSheet g;
    const Settings before = g.settings;
    g.Open();
    g.sheet->OkButton()->click();
    EXPECT_EQ(g.resorts, 1);
    EXPECT_EQ(g.settings.NewerIsUpper, before.NewerIsUpper);
    EXPECT_EQ(g.settings.YearOrderOlder, before.YearOrderOlder);
}

TEST(GeneralPage, cancelAfterTicking_storesNothing) {
    GeneralSheet g;
    g.Open();
    for (int id : {1013, 1014, 1063, 1068, 1070}) g.Box(id)->click();
    g.sheet->CancelButton()->click();
    EXPECT_EQ(g.resorts, 0);
    const Settings fresh = test::FreshSettings();
    EXPECT_EQ(g.settings.PromptToSave, fresh.PromptToSave);
    EXPECT_EQ(g.settings.ShowWriteHereMessage, fresh.ShowWriteHereMessage);
    EXPECT_EQ(g.settings.YearOrderOlder, fresh.YearOrderOlder);
    EXPECT_EQ(g.settings.SetDefaultDateYesterday, fresh.SetDefaultDateYesterday);
    EXPECT_EQ(g.settings.NewerIsUpper, fresh.NewerIsUpper);
}

TEST(GeneralPage, handEditedTwo_keepsItsMeaningThroughAnUntouchedOk) {
    // 2 counts as set for the flags tested for non-zero, but not for
    // PromptToSave, which asks only when it is exactly 1.
    GeneralSheet g;
    g.settings.PromptToSave = 2;
    g.settings.YearOrderOlder = 2;
    g.Open();
    EXPECT_FALSE(g.Box(1013)->isChecked());
    EXPECT_TRUE(g.Box(1063)->isChecked());
    g.sheet->OkButton()->click();
    EXPECT_EQ(g.settings.PromptToSave, 0);
    EXPECT_EQ(g.settings.YearOrderOlder, 1);
}

}  // namespace
}  // namespace kivor
