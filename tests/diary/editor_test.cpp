// The entry editor on a real main window: when it writes, what it asks or
// notes, what it refuses, and the days it must never write.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTest>
#include <cerrno>

#include "app/title_view.h"
#include "diary/editor_text.h"
#include "diary/left_view.h"
#include "diary/main_view.h"
#include "gui_support/frame_fixture.h"
#include "platform/cp932.h"

namespace kivor::test {
namespace {

class EditorTest : public FrameFixture {
  protected:
    void SetUp() override {
        FrameFixture::SetUp();
        WriteDay("20040514", "十四日の日記\n二行目");
        WriteDay("20040515", "十五日");
    }
    CMainView* Editor() { return m_frame->MainView(); }
};

}  // namespace
}  // namespace kivor::test

namespace kivor::test {
namespace {

TEST_F(EditorTest, clickingAnotherDay_savesOpenDayThenLoadsTheNewOne) {
    Start();
    ClickDay("20040514");
    EXPECT_EQ(Editor()->m_szDateKey, "20040514");
    EXPECT_EQ(EditorText(), QStringLiteral("十四日の日記\n二行目"));
    EXPECT_EQ(m_frame->TitleView()->m_editDate->text(), QStringLiteral("2004年05月14日"));
    EXPECT_EQ(m_frame->TitleView()->m_editWeekday->text(), QStringLiteral("金"));

    FocusEditor();
    QTest::keyClick(Editor(), Qt::Key_End, Qt::ControlModifier);
    Type(QStringLiteral("!"));
    ClickDay("20040515");

    EXPECT_EQ(DayFile("20040514"), "十四日の日記\n二行目!");
    EXPECT_EQ(ReadFileBytes(EntryPath("20040514")).substr(12, 2), "\r\n");
    EXPECT_EQ(StatusText(), QStringLiteral("自動保存されました"));
    EXPECT_TRUE(m_boxes.m_shown.empty());
    EXPECT_EQ(Editor()->m_szDateKey, "20040515");
    EXPECT_EQ(EditorText(), QStringLiteral("十五日"));
    EXPECT_EQ(m_frame->TitleView()->m_editDate->text(), QStringLiteral("2004年05月15日"));
    EXPECT_EQ(m_frame->TitleView()->m_editWeekday->text(), QStringLiteral("土"));
}

TEST_F(EditorTest, focusInAndOutWithoutTyping_rewritesSameTextSilently) {
    Start();
    ClickDay("20040514");
    const std::string before = ReadFileBytes(EntryPath("20040514"));
    ::unlink(EntryPath("20040514").c_str());
    FocusEditor();
    ClickDay("20040515");
    EXPECT_EQ(ReadFileBytes(EntryPath("20040514")), before);
    EXPECT_TRUE(m_boxes.m_shown.empty());
    EXPECT_NE(StatusText(), QStringLiteral("自動保存されました"));
}

TEST_F(EditorTest, aDayWithLoneLineFeeds_isWrittenBackByteForByte) {
    const std::string stored = Sjis("一行目\n二行目\r\n三行目\r");
    WriteFileBytes(EntryPath("20040514"), stored);
    Start();
    ClickDay("20040514");
    FocusEditor();
    QTest::keyClick(Editor(), Qt::Key_End, Qt::ControlModifier);
    ClickDay("20040515");
    EXPECT_EQ(ReadFileBytes(EntryPath("20040514")), stored);
}

struct PromptCase {
    int promptToSave;
    MbAnswer answer;
    bool written;
    bool asked;
    bool noticed;
};

class PromptTest : public EditorTest, public ::testing::WithParamInterface<PromptCase> {};

TEST_P(PromptTest, typingThenLeaving_asksOrNotesAsSettingSays) {
    const PromptCase c = GetParam();
    m_settings.PromptToSave = c.promptToSave;
    Start();
    ClickDay("20040514");
    FocusEditor();
    Type(QStringLiteral("x"));
    m_boxes.Answer(c.answer);
    ClickDay("20040515");

    EXPECT_EQ(DayFile("20040514") == "x十四日の日記\n二行目", c.written);
    ASSERT_EQ(m_boxes.m_shown.size(), c.asked ? 1u : 0u);
    if (c.asked) {
        EXPECT_EQ(m_boxes.m_shown[0].TextUtf8(), "変更内容を保存しますか。");
        EXPECT_EQ(m_boxes.m_shown[0].CaptionUtf8(), "確認");
        EXPECT_EQ(m_boxes.m_shown[0].buttons, MbButtons::yesNo);
        EXPECT_EQ(m_boxes.m_shown[0].icon, MbIcon::question);
    }
    EXPECT_EQ(StatusText() == QStringLiteral("自動保存されました"), c.noticed);
    EXPECT_EQ(Editor()->m_bModified, 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, PromptTest,
                         ::testing::Values(PromptCase{0, MbAnswer::yes, true, false, true},
                                           PromptCase{1, MbAnswer::yes, true, true, false},
                                           PromptCase{1, MbAnswer::no, false, true, false}));

TEST_F(EditorTest, answerNo_keepsTextAndNextLeaveWritesItWithoutQuestion) {
    m_settings.PromptToSave = 1;
    Start();
    ClickDay("20040514");
    FocusEditor();
    Type(QStringLiteral("x"));
    m_boxes.Answer(MbAnswer::no);
    ClickNode({"2004年", "05月"});  // leaves the editor; the month empties it
    EXPECT_EQ(DayFile("20040514"), "十四日の日記\n二行目");

    // Without leaving the day: focus the tree by keyboard so the day stays.
    ClickDay("20040514");
    FocusEditor();
    Type(QStringLiteral("y"));
    m_boxes.Answer(MbAnswer::no);
    m_frame->LeftView()->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_frame->LeftView()->hasFocus(); }));
    EXPECT_EQ(EditorText(), QStringLiteral("y十四日の日記\n二行目"));
    FocusEditor();
    m_frame->LeftView()->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_frame->LeftView()->hasFocus(); }));
    EXPECT_EQ(DayFile("20040514"), "y十四日の日記\n二行目");
    EXPECT_EQ(m_boxes.m_shown.size(), 2u);
}

TEST_F(EditorTest, keyPressWithoutTextChange_marksModified) {
    m_settings.PromptToSave = 1;
    Start();
    ClickDay("20040514");
    FocusEditor();
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_Shift, Qt::Key_Control}) {
        Editor()->m_bModified = 0;
        QTest::keyClick(Editor(), key);
        EXPECT_EQ(Editor()->m_bModified, 1) << key;
    }
    m_boxes.Answer(MbAnswer::yes);
    ClickDay("20040515");
    ASSERT_EQ(m_boxes.m_shown.size(), 1u);
    EXPECT_EQ(m_boxes.m_shown[0].TextUtf8(), "変更内容を保存しますか。");
}

TEST_F(EditorTest, systemKeys_leaveTheEntryUnmodified) {
    m_settings.PromptToSave = 1;
    Start();
    ClickDay("20040514");
    FocusEditor();
    Editor()->m_bModified = 0;
    // Alt alone (as before Alt+Tab), F10, and a key held with Alt.
    QTest::keyClick(Editor(), Qt::Key_Alt, Qt::AltModifier);
    QTest::keyClick(Editor(), Qt::Key_F10);
    QTest::keyClick(Editor(), Qt::Key_X, Qt::AltModifier);
    EXPECT_EQ(Editor()->m_bModified, 0);
    ClickDay("20040515");
    EXPECT_TRUE(m_boxes.m_shown.empty());
    // With Ctrl, Alt counts as any other key.
    FocusEditor();
    QTest::keyClick(Editor(), Qt::Key_Alt, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(Editor()->m_bModified, 1);
}

TEST_F(EditorTest, pasteWithoutKeyPress_staysUnmodifiedAndIsWrittenSilently) {
    m_settings.PromptToSave = 1;
    Start();
    ClickDay("20040514");
    FocusEditor();
    Editor()->m_bModified = 0;
    QMimeData data;
    data.setText(QStringLiteral("貼り付け"));
    Editor()->insertFromMimeData(&data);
    EXPECT_EQ(Editor()->m_bModified, 0);
    ClickDay("20040515");
    EXPECT_TRUE(m_boxes.m_shown.empty());
    EXPECT_EQ(DayFile("20040514"), "貼り付け十四日の日記\n二行目");
    EXPECT_NE(StatusText(), QStringLiteral("自動保存されました"));
}

TEST_F(EditorTest, textCp932CannotHold_isRefusedWhereverItComesFrom) {
    Start();
    ClickDay("20040514");
    FocusEditor();
    const QString before = EditorText();
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");

    QMimeData data;
    data.setText(QStringLiteral("a") + emoji);
    Editor()->insertFromMimeData(&data);
    EXPECT_EQ(EditorText(), before);
    EXPECT_TRUE(StatusText().contains(QStringLiteral("保存できない文字")));

    for (const QString& typed : {QString(QChar(0x00A5)), emoji}) {
        m_frame->SetMessageText(QString());
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, typed);
        QApplication::sendEvent(Editor(), &key);
        EXPECT_EQ(EditorText(), before);
        EXPECT_TRUE(StatusText().contains(QStringLiteral("保存できない文字")));
    }

    m_frame->SetMessageText(QString());
    QInputMethodEvent ime(QString(), {});
    ime.setCommitString(emoji);
    QApplication::sendEvent(Editor(), &ime);
    EXPECT_EQ(EditorText(), before);
    EXPECT_TRUE(StatusText().contains(QStringLiteral("保存できない文字")));

    QInputMethodEvent kanji(QString(), {});
    kanji.setCommitString(QStringLiteral("漢字"));
    QApplication::sendEvent(Editor(), &kanji);
    EXPECT_EQ(EditorText(), QStringLiteral("漢字") + before);
}

TEST_F(EditorTest, textLimit_refusesAPasteThatWouldPassIt) {
    Start();
    ClickDay("20040514");
    FocusEditor();
    Editor()->SetWindowText(QString(kEditorTextLimit - 6, QLatin1Char('a')) + QStringLiteral("あ"));
    QTextCursor cursor = Editor()->textCursor();
    cursor.movePosition(QTextCursor::End);
    Editor()->setTextCursor(cursor);
    QMimeData tooLong;
    tooLong.setText(QStringLiteral("12345"));
    Editor()->insertFromMimeData(&tooLong);
    EXPECT_EQ(StoredByteLength(EditorText()), kEditorTextLimit - 4);
    EXPECT_TRUE(StatusText().contains(QStringLiteral("上限")));
    QMimeData fits;
    fits.setText(QStringLiteral("1234"));
    Editor()->insertFromMimeData(&fits);
    EXPECT_EQ(StoredByteLength(EditorText()), kEditorTextLimit);
}

TEST_F(EditorTest, dayWithNulBytes_isShownReadOnlyAndNeverWritten) {
    const std::string stored = Sjis("前半") + std::string(1, '\0') + Sjis("後半");
    WriteFileBytes(EntryPath("20040516"), stored);
    m_settings.PromptToSave = 1;
    Start();
    ClickDay("20040516");
    EXPECT_TRUE(Editor()->isReadOnly());
    EXPECT_EQ(Editor()->GetLoadState(), CMainView::LoadState::unreadable);
    EXPECT_TRUE(StatusText().contains(QStringLiteral("表示のみ")));
    FocusEditor();
    Type(QStringLiteral("x"));
    ClickDay("20040515");
    EXPECT_EQ(ReadFileBytes(EntryPath("20040516")), stored);
    EXPECT_TRUE(m_boxes.m_shown.empty());  // nothing to ask about
    // The next day is editable again.
    EXPECT_FALSE(Editor()->isReadOnly());
}

TEST_F(EditorTest, unreadableDay_doesNotReceiveThePreviousDaysText) {
    WriteDay("20040516", "十六日");
    InjectFileFault(FaultOp::openRead, "20040516", EACCES);
    Start();
    ClickDay("20040514");
    ClickDay("20040516");
    EXPECT_EQ(Editor()->m_szDateKey, "20040516");
    EXPECT_TRUE(EditorText().isEmpty());
    EXPECT_TRUE(Editor()->isReadOnly());
    FocusEditor();
    m_frame->OnSaveEntry();
    ClickDay("20040515");
    ClearFileFaults();
    EXPECT_EQ(DayFile("20040516"), "十六日");
}

TEST_F(EditorTest, missingFile_readsAsNewEmptyEntry) {
    Start();
    ClickDay("20040514");
    ::unlink(EntryPath("20040515").c_str());
    ClickDay("20040515");
    EXPECT_TRUE(EditorText().isEmpty());
    EXPECT_FALSE(Editor()->isReadOnly());
    EXPECT_EQ(Editor()->GetLoadState(), CMainView::LoadState::missing);
}

TEST_F(EditorTest, failedSave_isShownInStatusBarAndOldFileStays) {
    Start();
    ClickDay("20040514");
    FocusEditor();
    Type(QStringLiteral("x"));
    InjectFileFault(FaultOp::write, "20040514", ENOSPC, 3);
    ClickDay("20040515");
    EXPECT_TRUE(m_boxes.m_shown.empty());
    EXPECT_TRUE(StatusText().contains(QStringLiteral("保存できませんでした")));
    EXPECT_TRUE(StatusText().contains(QStringLiteral("20040514.kv1")));
    ClearFileFaults();
    EXPECT_EQ(DayFile("20040514"), "十四日の日記\n二行目");
}

TEST_F(EditorTest, saveWithNoDayOpen_saysSoAndWritesNothing) {
    Start();
    ClickNode({"2004年", "05月"});
    EXPECT_FALSE(Editor()->isEnabled());
    EXPECT_TRUE(Editor()->m_szDateKey.empty());
    EXPECT_TRUE(m_frame->TitleView()->m_editDate->text().isEmpty());
    m_frame->ExecuteCommand(ID_SAVE_ENTRY);
    ASSERT_EQ(m_boxes.m_shown.size(), 1u);
    EXPECT_EQ(m_boxes.m_shown[0].TextUtf8(),
              "保存する日記を選択した状態で押してください。(日記は日ごとに保存します)");
    EXPECT_EQ(m_boxes.m_shown[0].CaptionUtf8(), "ケルノア");
    EXPECT_EQ(m_boxes.m_shown[0].icon, MbIcon::exclamation);
}

// A box that takes the focus from the editor while it is shown, as a real
// message box does.
class FocusTakingBox : public RecordingMessageBox {
  public:
    QWidget* m_takeFocusTo = nullptr;
    MbAnswer Show(const std::string& text, const std::string& caption, MbButtons buttons,
                  MbIcon icon) override {
        if (m_takeFocusTo) m_takeFocusTo->setFocus();
        return RecordingMessageBox::Show(text, caption, buttons, icon);
    }
};

TEST_F(EditorTest, saveInProgress_suppressesTheNestedFocusLossSave) {
    m_settings.PromptToSave = 1;
    FocusTakingBox boxes;
    SetMessageBoxService(&boxes);
    Start();
    ClickDay("20040514");
    FocusEditor();
    Type(QStringLiteral("x"));
    boxes.m_takeFocusTo = m_frame->LeftView();
    boxes.Answer(MbAnswer::yes);
    m_frame->OnClose();
    EXPECT_EQ(boxes.m_shown.size(), 1u);
    EXPECT_EQ(DayFile("20040514"), "x十四日の日記\n二行目");
}

TEST(EditorTextTest, storedTextRoundTripsThroughTheEditor) {
    const std::string stored = Sjis("一行目\r\n\r\n三行目ｶﾅ\r\n");
    std::optional<QString> shown = EntryTextToEditor(stored);
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(*shown, QStringLiteral("一行目\n\n三行目ｶﾅ\n"));
    EXPECT_EQ(EditorTextToEntry(*shown), stored);
    EXPECT_EQ(StoredByteLength(*shown), static_cast<long>(stored.size()));
    // The editor's own paragraph separators are line breaks too.
    EXPECT_EQ(EditorTextToEntry(QStringLiteral("a\u2029b")), "a\r\nb");
    EXPECT_FALSE(EntryTextToEditor(std::string("\x81", 1)).has_value());
    EXPECT_FALSE(CanStoreText(QString(QChar(0x00A5))));
    EXPECT_TRUE(CanStoreText(QStringLiteral("～①髙")));
}

TEST(EditorTextTest, loneLineFeedsAndCarriageReturnsAreWrittenBackAsTheyWere) {
    const std::string stored = Sjis("unix\nmac\rwin\r\n\n\r末");
    std::optional<QString> shown = EntryTextToEditor(stored);
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(*shown, QStringLiteral("unix\u240Amac\u240Dwin\n\u240A\u240D末"));
    EXPECT_EQ(EditorTextToEntry(*shown), stored);
    EXPECT_EQ(StoredByteLength(*shown), static_cast<long>(stored.size()));
    // The pictures cannot be typed as text of their own: CP932 holds none.
    EXPECT_FALSE(Utf8ToCp932("\u240A"));
    EXPECT_TRUE(CanStoreText(*shown));
}

}  // namespace
}  // namespace kivor::test
