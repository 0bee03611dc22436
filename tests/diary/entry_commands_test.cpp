// New entry, delete and save, on a real main window.
#include <gtest/gtest.h>

#include <QTest>
#include <cerrno>

#include "app/title_view.h"
#include "app/window_globals.h"
#include "diary/left_view.h"
#include "diary/main_view.h"
#include "diary/new_entry_dlg.h"
#include "gui_support/frame_fixture.h"

namespace kivor::test {
namespace {

class EntryCommandsTest : public FrameFixture {
  protected:
    void SetUp() override {
        FrameFixture::SetUp();
        WriteDay("20040514", "十四日");
        WriteDay("20040515", "十五日");
        WriteDay("20031231", "大晦日");
    }
    CMainView* Editor() { return m_frame->MainView(); }
    CLeftView* Tree() { return m_frame->LeftView(); }
};

TEST_F(EntryCommandsTest, newEntryWhileAnotherDayHasUnsavedTyping_savesItFirst) {
    Start();
    ClickDay("20040514");
    FocusEditor();
    Type(QStringLiteral("x"));
    m_frame->AddNewEntry("20040601");

    EXPECT_EQ(DayFile("20040514"), "x十四日");
    EXPECT_EQ(StatusText(), QStringLiteral("自動保存されました"));
    EXPECT_EQ(Tree()->currentIndex(), IndexOfDay("20040601"));
    EXPECT_EQ(Editor()->m_szDateKey, "20040601");
    EXPECT_EQ(EditorText(), QStringLiteral("<ここに日記を書いてください>"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return Editor()->hasFocus(); }));
    EXPECT_EQ(m_frame->TitleView()->m_editDate->text(), QStringLiteral("2004年06月01日"));
    // Months of 2004 newest first: 06月 before 05月.
    const QModelIndex year = IndexByLabels({"2004年"});
    EXPECT_EQ(Tree()->model()->index(0, 0, year).data().toString(), QStringLiteral("06月"));
    // No file until the first save.
    EXPECT_FALSE(DayFile("20040601").has_value());
    Tree()->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return DayFile("20040601").has_value(); }));
    EXPECT_EQ(DayFile("20040601"), "<ここに日記を書いてください>");
}

TEST_F(EntryCommandsTest, newEntryWithShowWriteHereMessage_startsEmpty) {
    m_settings.ShowWriteHereMessage = 1;
    Start();
    m_frame->AddNewEntry("20050101");
    EXPECT_TRUE(EditorText().isEmpty());
    EXPECT_TRUE(Editor()->isEnabled());
    EXPECT_EQ(Tree()->currentIndex(), IndexOfDay("20050101"));
}

TEST_F(EntryCommandsTest, newEntryForDayInTree_saysSoAndChangesNothing) {
    Start();
    ClickDay("20040515");
    m_frame->AddNewEntry("20040514");
    ASSERT_EQ(m_boxes.m_shown.size(), 1u);
    EXPECT_EQ(m_boxes.m_shown[0].TextUtf8(),
              "指定した日時の日記は、既に存在します。その日の日記を開いて編集してください。");
    EXPECT_EQ(m_boxes.m_shown[0].CaptionUtf8(), "ケルノア");
    EXPECT_EQ(m_boxes.m_shown[0].icon, MbIcon::exclamation);
    EXPECT_EQ(Tree()->currentIndex(), IndexOfDay("20040515"));
    EXPECT_EQ(Editor()->m_szDateKey, "20040515");
    EXPECT_EQ(EditorText(), QStringLiteral("十五日"));
    EXPECT_EQ(m_frame->TitleView()->m_editDate->text(), QStringLiteral("2004年05月15日"));
}

TEST_F(EntryCommandsTest, newEntryForDayInClosedMonth_opensTheWayToIt) {
    Start();
    ClickDay("20040515");
    Tree()->collapse(IndexByLabels({"2003年", "12月"}));
    Tree()->collapse(IndexByLabels({"2003年"}));
    m_frame->AddNewEntry("20031231");
    ASSERT_EQ(m_boxes.m_shown.size(), 1u);
    EXPECT_TRUE(Tree()->isExpanded(IndexByLabels({"2003年"})));
    EXPECT_TRUE(Tree()->isExpanded(IndexByLabels({"2003年", "12月"})));
    EXPECT_EQ(Tree()->currentIndex(), IndexOfDay("20040515"));
}

TEST_F(EntryCommandsTest, newEntryForFileNotInTree_opensStoredText) {
    Start();
    WriteDay("20040520", "後から置いた日記");
    m_frame->AddNewEntry("20040520");
    EXPECT_EQ(EditorText(), QStringLiteral("後から置いた日記"));
    Tree()->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Tree()->hasFocus(); }));
    EXPECT_EQ(DayFile("20040520"), "後から置いた日記");
}

TEST_F(EntryCommandsTest, newEntryDialog_picksTheDateForTheFrame) {
    Start();
    m_frame->m_runNewEntryDialog = [](CNewEntryDlg& dialog) {
        dialog.m_dateCtrl->setDate(QDate(2006, 7, 8));
        dialog.m_buttonOk->click();
        return dialog.result();
    };
    m_frame->ExecuteCommand(ID_NEW_ENTRY);
    EXPECT_EQ(Editor()->m_szDateKey, "20060708");
    m_frame->m_runNewEntryDialog = [](CNewEntryDlg& dialog) {
        dialog.m_dateCtrl->setDate(QDate(2007, 1, 1));
        dialog.m_buttonCancel->click();
        return dialog.result();
    };
    m_frame->ExecuteCommand(ID_TREE_NEW_ENTRY);
    EXPECT_FALSE(IndexOfDay("20070101").isValid());
    EXPECT_EQ(m_frame->m_timeNewEntry, QDate(2006, 7, 8));
}

TEST_F(EntryCommandsTest, newEntryDialog_showsTodayAndStartsOnTodayOrYesterday) {
    const EntryDate today = Today();
    const QString todayLine =
        QStringLiteral("今日は %1年%2月%3日 です").arg(today.year).arg(today.month).arg(today.day);
    for (int yesterday : {0, 1}) {
        m_settings.SetDefaultDateYesterday = yesterday;
        CNewEntryDlg dialog(&m_settings);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("新しい日記"));
        EXPECT_EQ(dialog.m_editToday->text(), todayLine);
        const EntryDate expected = yesterday ? today.AddDays(-1) : today;
        EXPECT_EQ(dialog.m_dateCtrl->date(), QDate(expected.year, expected.month, expected.day));
        EXPECT_EQ(dialog.m_dateCtrl->minimumDate(), QDate(1900, 1, 1));
        EXPECT_EQ(dialog.m_dateCtrl->maximumDate(), QDate(9999, 12, 31));
        EXPECT_TRUE(dialog.m_dateCtrl->calendarPopup());
        EXPECT_EQ(dialog.m_buttonCancel->text(), QStringLiteral("ｷｬﾝｾﾙ"));
    }
}

struct DeleteCase {
    const char* name;
    std::vector<std::string> select;  // labels from the root; empty: "TOP"
    MbAnswer answer;
    bool asks;
    bool deletes;
};

class DeleteTest : public EntryCommandsTest, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(DeleteTest, deleteCommand) {
    const DeleteCase c = GetParam();
    Start();
    if (c.select.empty()) {
        Tree()->setCurrentIndex(IndexByLabels({}));
    } else {
        ClickNode(c.select);
    }
    m_boxes.Answer(c.answer);
    m_frame->ExecuteCommand(ID_DELETE_ENTRY);
    ASSERT_EQ(m_boxes.m_shown.size(), 1u);
    const auto& shown = m_boxes.m_shown[0];
    EXPECT_EQ(shown.CaptionUtf8(), "ケルノア");
    if (c.asks) {
        EXPECT_EQ(shown.TextUtf8(), "2003年/12月/31日の日記を削除してもよろしいですか。");
        EXPECT_EQ(shown.buttons, MbButtons::yesNo);
        EXPECT_EQ(shown.icon, MbIcon::information);
    } else {
        EXPECT_EQ(shown.TextUtf8(),
                  "削除したい日を選択してから削除してください。(年あるいは月をまとめて削除"
                  "することはできません。)");
        EXPECT_EQ(shown.buttons, MbButtons::ok);
        EXPECT_EQ(shown.icon, MbIcon::exclamation);
    }
    EXPECT_EQ(DayFile("20031231").has_value(), !c.deletes);
    // The only day of its year: month and year go with it.
    EXPECT_EQ(IndexByLabels({"2003年"}).isValid(), !c.deletes);
    EXPECT_TRUE(IndexOfDay("20040514").isValid());
    if (c.deletes) {
        // The tree chose another node and the panes follow it.
        const QModelIndex now = Tree()->currentIndex();
        ASSERT_TRUE(now.isValid());
        EXPECT_EQ(Editor()->m_szDateKey.empty(), Tree()->NodeOf(now)->Depth() != 3);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DeleteTest,
    ::testing::Values(DeleteCase{"dayYes", {"2003年", "12月", "31日"}, MbAnswer::yes, true, true},
                      DeleteCase{"dayNo", {"2003年", "12月", "31日"}, MbAnswer::no, true, false},
                      DeleteCase{"month", {"2003年", "12月"}, MbAnswer::yes, false, false},
                      DeleteCase{"year", {"2003年"}, MbAnswer::yes, false, false},
                      DeleteCase{"top", {}, MbAnswer::yes, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EntryCommandsTest, deleteOneOfTwoDays_keepsMonthAndOtherDay) {
    Start();
    ClickDay("20040514");
    m_boxes.Answer(MbAnswer::yes);
    m_frame->ExecuteCommand(ID_TREE_DELETE_ENTRY);
    EXPECT_FALSE(DayFile("20040514").has_value());
    EXPECT_FALSE(IndexOfDay("20040514").isValid());
    EXPECT_TRUE(IndexOfDay("20040515").isValid());
    // The neighbouring day is open now.
    EXPECT_EQ(Editor()->m_szDateKey, "20040515");
    EXPECT_EQ(EditorText(), QStringLiteral("十五日"));
}

TEST_F(EntryCommandsTest, fileThatCannotBeDeleted_isReportedAndTheNodeStillGoes) {
    Start();
    ClickDay("20040515");
    InjectFileFault(FaultOp::remove, "20040515", EBUSY);
    m_boxes.Answer(MbAnswer::yes);
    m_frame->ExecuteCommand(ID_DELETE_ENTRY);
    ASSERT_EQ(m_boxes.m_shown.size(), 3u);
    EXPECT_EQ(m_boxes.m_shown[1].TextUtf8(), "ファイルの削除に失敗しました:022 ");
    EXPECT_EQ(m_boxes.m_shown[2].CaptionUtf8(), "Error");
    EXPECT_FALSE(IndexOfDay("20040515").isValid());
    EXPECT_EQ(DayFile("20040515"), "十五日");
}

TEST_F(EntryCommandsTest, deletingTheOpenDayFromTheEditor_writesNothingIntoItsFile) {
    Start();
    ClickDay("20031231");
    FocusEditor();
    // The file stays: the text it holds must too, although the selection
    // moved to the month (emptying and disabling the focused editor).
    InjectFileFault(FaultOp::remove, "20031231", EBUSY);
    m_boxes.Answer(MbAnswer::yes);
    m_frame->ExecuteCommand(ID_DELETE_ENTRY);
    EXPECT_FALSE(IndexByLabels({"2003年"}).isValid());
    EXPECT_FALSE(Editor()->isEnabled());
    EXPECT_EQ(DayFile("20031231"), "大晦日");
    EXPECT_EQ(g_bEditorActive, 0);
}

TEST_F(EntryCommandsTest, saveCommand_writesWithoutNoticeAndClearsModified) {
    m_settings.PromptToSave = 1;
    Start();
    ClickDay("20040514");
    FocusEditor();
    Type(QStringLiteral("z"));
    m_frame->ExecuteCommand(ID_SAVE_ENTRY);
    EXPECT_EQ(DayFile("20040514"), "z十四日");
    EXPECT_EQ(Editor()->m_bModified, 0);
    EXPECT_TRUE(m_boxes.m_shown.empty());
    EXPECT_NE(StatusText(), QStringLiteral("自動保存されました"));
}

}  // namespace
}  // namespace kivor::test
