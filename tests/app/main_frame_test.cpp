// The main window: menu, tool bar, status bar, panes, command enabling,
// the dialog hooks and closing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QMenuBar>
#include <QMimeData>
#include <QSplitter>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "app/window_globals.h"
#include "diary/left_view.h"
#include "diary/main_view.h"
#include "gui_support/frame_fixture.h"
#include "platform/url_opener.h"

namespace kivor::test {
namespace {

class MainFrameTest : public FrameFixture {
  protected:
    void SetUp() override {
        FrameFixture::SetUp();
        WriteDay("20040514", "十四日");
        WriteDay("20040515", "十五日");
    }
    void TearDown() override {
        SetUrlOpener(nullptr);
        FrameFixture::TearDown();
    }
    bool Enabled(int id) { return m_frame->Action(id)->isEnabled(); }
};

TEST_F(MainFrameTest, menuHasTheLabelsInOrder) {
    Start();
    QStringList lines;
    for (QAction* menuAction : m_frame->menuBar()->actions()) {
        lines << menuAction->text();
        for (QAction* item : menuAction->menu()->actions()) {
            lines << (item->isSeparator() ? QStringLiteral("-")
                                          : QStringLiteral("  ") + item->text());
        }
    }
    const QStringList expected = {"ファイル(&F)",
                                  "  新しい日記(&N)",
                                  "  保存(&S)",
                                  "-",
                                  "  印刷(&P)...\tCtrl+P",
                                  "  プリンタの設定(&R)...",
                                  "-",
                                  "  終了(&X)",
                                  "編集(&E)",
                                  "  元に戻す(&U)\tCtrl+Z",
                                  "-",
                                  "  切り取り(&T)\tCtrl+X",
                                  "  コピー(&C)\tCtrl+C",
                                  "  貼り付け(&P)\tCtrl+V",
                                  "ツール(&T)",
                                  "  日記をHTMLへ書き出し(&W)",
                                  "表示(&V)",
                                  "  ステータスバー(&S)",
                                  "  設定(&O)",
                                  "ヘルプ(&H)",
                                  "  バージョン情報(&A)...",
                                  "  ホームページへ接続(&I)"};
    EXPECT_EQ(lines, expected);
    // No accelerators: the key names are labels only.
    for (QAction* action : m_frame->findChildren<QAction*>()) {
        EXPECT_TRUE(action->shortcut().isEmpty()) << action->text().toStdString();
    }
}

TEST_F(MainFrameTest, toolBarHasSevenButtonsWithTipsAndPrompts) {
    Start();
    QToolBar* bar = m_frame->ToolBar();
    EXPECT_FALSE(bar->isMovable());
    EXPECT_FALSE(bar->isFloatable());
    QStringList tips;
    for (QAction* action : bar->actions()) {
        if (action->isSeparator()) {
            tips << QStringLiteral("|");
            continue;
        }
        EXPECT_FALSE(action->icon().isNull());
        tips << action->toolTip();
    }
    EXPECT_EQ(tips, (QStringList{"新しい日記を作成", "選択している日記を削除", "この日の日記を保存",
                                 "|", "日記を HTML ファイルへ書き出し", "設定画面を表示", "|",
                                 "印刷", "ホームページへ移動"}));
    EXPECT_EQ(m_frame->Action(ID_NEW_ENTRY)->statusTip(), QStringLiteral("新しい日記を作成"));
    EXPECT_EQ(m_frame->Action(ID_FILE_PRINT)->statusTip(), QStringLiteral("作業中のﾌｧｲﾙを印刷"));
    EXPECT_TRUE(m_frame->Action(ID_EXPORT_HTML_MENU)->statusTip().isEmpty());
}

TEST_F(MainFrameTest, statusBarShowsReadyAndFivePanes_andCanBeHidden) {
    Start();
    EXPECT_EQ(StatusText(), QStringLiteral("ﾚﾃﾞｨ"));
    EXPECT_EQ(m_frame->statusBar()->findChildren<QLabel*>().size(), 5);
    QAction* toggle = m_frame->Action(ID_VIEW_STATUS_BAR);
    EXPECT_TRUE(toggle->isChecked());
    toggle->trigger();
    EXPECT_FALSE(toggle->isChecked());
    EXPECT_FALSE(m_frame->statusBar()->isVisible());
    toggle->trigger();
    EXPECT_TRUE(m_frame->statusBar()->isVisible());
}

TEST_F(MainFrameTest, panesStartAt160And70Pixels) {
    Start();
    EXPECT_EQ(m_frame->OuterSplitter()->sizes().at(0), 160);
    EXPECT_EQ(m_frame->InnerSplitter()->sizes().at(0), 70);
    EXPECT_EQ(m_frame->windowTitle(), QStringLiteral("ケルノア"));
}

TEST_F(MainFrameTest, printAndEditItems_followTheEditorsFocusAndSelection) {
    Start();
    ClickDay("20040514");
    EXPECT_FALSE(Enabled(ID_FILE_PRINT));
    for (int id : {ID_EDIT_UNDO, ID_EDIT_CUT, ID_EDIT_COPY}) EXPECT_FALSE(Enabled(id)) << id;

    FocusEditor();
    EXPECT_EQ(g_bEditorActive, 1);
    EXPECT_TRUE(Enabled(ID_FILE_PRINT));
    EXPECT_FALSE(Enabled(ID_EDIT_COPY));
    m_frame->MainView()->selectAll();
    EXPECT_TRUE(Enabled(ID_EDIT_COPY));
    EXPECT_TRUE(Enabled(ID_EDIT_CUT));

    ClickDay("20040515");
    EXPECT_EQ(g_bEditorActive, 0);
    EXPECT_FALSE(Enabled(ID_FILE_PRINT));
    EXPECT_FALSE(Enabled(ID_EDIT_COPY));
}

TEST_F(MainFrameTest, exportAndOptionsCommandsOpenTheirDialogs) {
    Start();
    const struct {
        int command;
        QString caption;
    } cases[] = {{ID_EXPORT_HTML_MENU, QStringLiteral("日記を HTML ファイルへ書き出し")},
                 {ID_EXPORT_HTML, QStringLiteral("日記を HTML ファイルへ書き出し")},
                 {ID_OPTIONS, QStringLiteral("オプション")}};
    for (const auto& c : cases) {
        QString shown;
        QTimer::singleShot(0, [&] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                shown = dialog->windowTitle();
                dialog->reject();
            }
        });
        m_frame->Action(c.command)->trigger();
        EXPECT_EQ(shown, c.caption) << c.command;
    }
}

TEST_F(MainFrameTest, homePageCommand_opensTheBuildsUrl) {
    QStringList opened;
    SetUrlOpener([&](const QString& target) {
        opened << target;
        return true;
    });
    Start();
    m_frame->Action(ID_HOMEPAGE)->trigger();
    EXPECT_EQ(opened, QStringList{QStringLiteral(KIVOR_HOMEPAGE_URL)});
}

struct CloseCase {
    int promptToSave;
    MbAnswer answer;
    bool written;
};

class CloseTest : public MainFrameTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CloseTest, closingWithUnsavedTyping_savesOnceAndAlwaysCloses) {
    const CloseCase c = GetParam();
    m_settings.PromptToSave = c.promptToSave;
    Start();
    ClickDay("20040514");
    FocusEditor();
    Type(QStringLiteral("x"));
    m_boxes.Answer(c.answer);
    EXPECT_TRUE(m_frame->close());
    EXPECT_FALSE(m_frame->isVisible());
    EXPECT_EQ(m_boxes.m_shown.size(), c.promptToSave == 1 ? 1u : 0u);
    EXPECT_EQ(DayFile("20040514"), c.written ? "x十四日" : "十四日");
    EXPECT_EQ(g_bEditorActive, 0);
    // Tearing the window down writes nothing more.
    m_frame.reset();
    EXPECT_EQ(DayFile("20040514"), c.written ? "x十四日" : "十四日");
}

INSTANTIATE_TEST_SUITE_P(Cases, CloseTest,
                         ::testing::Values(CloseCase{0, MbAnswer::yes, true},
                                           CloseCase{1, MbAnswer::yes, true},
                                           CloseCase{1, MbAnswer::no, false}));

TEST_F(MainFrameTest, closingAfterMousePaste_writesTheShownText) {
    Start();
    ClickDay("20040514");
    FocusEditor();
    QMimeData data;
    data.setText(QStringLiteral("p"));
    m_frame->MainView()->insertFromMimeData(&data);
    m_frame->close();
    EXPECT_EQ(DayFile("20040514"), "p十四日");
    EXPECT_TRUE(m_boxes.m_shown.empty());
}

}  // namespace
}  // namespace kivor::test
