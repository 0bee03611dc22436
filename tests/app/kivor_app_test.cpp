// Start-up and shut-down: the settings, the single-instance lock, the
// window and its title.
#include "app/kivor_app.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCalendarWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>
#include <cstdlib>
#include <memory>

#include "app/desktop_main.h"
#include "app/main_frame.h"
#include "diary/left_view.h"
#include "diary/main_view.h"
#include "diary/new_entry_dlg.h"
#include "platform/instance_lock.h"
#include "platform/recording_message_box.h"
#include "support/temp_dir.h"

namespace kivor::test {
namespace {

class KivorAppTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_oldRuntime = std::getenv("XDG_RUNTIME_DIR") ? std::getenv("XDG_RUNTIME_DIR") : "";
        setenv("XDG_RUNTIME_DIR", m_runtime.Path().c_str(), 1);
        SetMessageBoxService(&m_boxes);
    }
    void TearDown() override {
        SetMessageBoxService(nullptr);
        if (m_oldRuntime.empty()) {
            unsetenv("XDG_RUNTIME_DIR");
        } else {
            setenv("XDG_RUNTIME_DIR", m_oldRuntime.c_str(), 1);
        }
    }
    static int VisibleWindows() {
        int count = 0;
        for (QWidget* widget : QApplication::topLevelWidgets()) count += widget->isVisible();
        return count;
    }

    TempDir m_runtime;
    TempDir m_diary;
    RecordingMessageBox m_boxes;
    std::string m_oldRuntime;
};

TEST_F(KivorAppTest, secondCopy_stopsSilentlyWithoutWindowAndStillWritesSettings) {
    WriteFileBytes(m_diary / "kivor.ini", "[ini]\r\nPromptToSave=1\r\n");
    InstanceLock first(kInstanceLockName);
    ASSERT_TRUE(first.Acquire());

    CKivorApp app(m_diary.Path(), "");
    ASSERT_TRUE(app.InitApplication());
    EXPECT_FALSE(app.InitInstance());
    EXPECT_EQ(app.MainFrame(), nullptr);
    EXPECT_EQ(VisibleWindows(), 0);
    EXPECT_EQ(app.ExitInstance(), 0);
    EXPECT_TRUE(m_boxes.m_shown.empty());

    const std::string ini = ReadFileBytes(m_diary / "kivor.ini");
    EXPECT_NE(ini.find("PromptToSave=1"), std::string::npos);
    EXPECT_NE(ini.find("YearOrderOlder=0"), std::string::npos);  // a default, now written
    EXPECT_TRUE(first.IsHeld());
}

TEST_F(KivorAppTest, start_showsTheTitledWindow_exitWritesSettingsThenFreesTheLock) {
    WriteFileBytes(m_diary / "20031231.kv1", "x");
    CKivorApp app(m_diary.Path(), "");
    ASSERT_TRUE(app.InitApplication());
    ASSERT_TRUE(app.InitInstance());
    ASSERT_NE(app.MainFrame(), nullptr);
    EXPECT_TRUE(app.MainFrame()->isVisible());
    EXPECT_EQ(app.MainFrame()->windowTitle(), QStringLiteral("ケルノア"));
    EXPECT_NE(app.MainFrame()->LeftView()->Model().FindDay(EntryDate{2003, 12, 31}), nullptr);
    // Opening, editing and saving a day leaves the title alone.
    app.MainFrame()->AddNewEntry("20040514");
    app.MainFrame()->OnSaveEntry();
    EXPECT_TRUE(FileExists(m_diary / "20040514.kv1"));
    EXPECT_EQ(app.MainFrame()->windowTitle(), QStringLiteral("ケルノア"));
    InstanceLock other(kInstanceLockName);
    EXPECT_FALSE(other.Acquire());

    EXPECT_FALSE(FileExists(m_diary / "kivor.ini"));
    app.MainFrame()->close();
    EXPECT_EQ(app.ExitInstance(), 0);
    EXPECT_TRUE(FileExists(m_diary / "kivor.ini"));
    EXPECT_TRUE(other.Acquire());
    EXPECT_TRUE(m_boxes.m_shown.empty());
}

TEST_F(KivorAppTest, folderNameCp932CannotHold_saysSoAndEndsWithCode1) {
    CKivorApp app(m_diary.Path() + "\xF0\x9F\x98\x80/", "");
    EXPECT_EQ(app.Run(), 1);
    ASSERT_EQ(m_boxes.m_shown.size(), 1u);
    EXPECT_EQ(m_boxes.m_shown[0].TextUtf8(), "exe 名,プログラム名が不正です。");
    EXPECT_EQ(VisibleWindows(), 0);
}

TEST(DesktopApplicationTest, setsNoDisplayNameThatTheWindowSystemWouldAddToCaptions) {
    // A display name is appended to every window title that does not end
    // in it: "確認" would read "確認 — ケルノア", "新しい日記" "新しい日記 — ケルノア".
    ConfigureApplication();
    EXPECT_EQ(QGuiApplication::applicationName(), QStringLiteral("kivor"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QGuiApplication::applicationName());
}

TEST(DesktopApplicationTest, qtsOwnTextsAreJapanese) {
    ConfigureApplication();
    QPlainTextEdit editor;
    std::unique_ptr<QMenu> menu(editor.createStandardContextMenu());
    QStringList texts;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator()) texts << action->text();
    }
    EXPECT_TRUE(texts.join(QLatin1Char('|')).contains(QStringLiteral("貼り付け")))
        << texts.join(QLatin1Char('|')).toStdString();
    // The new-entry dialog's calendar.
    CNewEntryDlg dialog;
    EXPECT_EQ(dialog.m_dateCtrl->calendarWidget()->locale().monthName(5), QStringLiteral("5月"));
}

}  // namespace
}  // namespace kivor::test
