// The main window: menu, tool bar, status bar and the three panes (the
// calendar tree on the left; the date banner above the entry editor on the
// right). It routes the commands of the menu, the tool bar and the tree's
// pop-up menu.
#pragma once

#include <QAction>
#include <QDate>
#include <QLabel>
#include <QMainWindow>
#include <QPrinter>
#include <QSplitter>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "diary/entry_date.h"
#include "platform/cp932.h"
#include "settings/settings.h"

class CLeftView;
class CMainView;
class CTitleView;
class QMenu;
class QToolBar;

// Command IDs of the menu, the tool bar and the tree's pop-up menu.
enum CommandId : int {
    ID_TREE_NEW_ENTRY = 1009,
    ID_TREE_DELETE_ENTRY = 1010,
    ID_EXPORT_HTML_MENU = 148,
    ID_OPTIONS = 32773,
    ID_HELP_FILE = 32775,
    ID_HOMEPAGE = 32776,
    ID_NEW_ENTRY = 32777,
    ID_DELETE_ENTRY = 32778,
    ID_EXPORT_HTML = 32779,
    ID_SAVE_ENTRY = 32784,
    ID_FILE_PRINT_SETUP = 57606,
    ID_FILE_PRINT = 57607,
    ID_EDIT_COPY = 57634,
    ID_EDIT_CUT = 57635,
    ID_EDIT_PASTE = 57637,
    ID_EDIT_UNDO = 57643,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
    ID_VIEW_STATUS_BAR = 59393,
};

class CMainFrame : public QMainWindow {
    Q_OBJECT

  public:
    explicit CMainFrame(kivor::Settings& settings, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Fills the tree (the initial update of the panes), listing the diary
    // folder or taking the dates already listed from it.
    void OnInitialUpdate();
    void OnInitialUpdate(const std::vector<kivor::EntryDate>& listed);

    // Runs the handler of a command, as its menu item or button would.
    void ExecuteCommand(int id);
    // The action of a command (nullptr for the tree's pop-up commands).
    QAction* Action(int id) const;

    // The entry commands.
    void OnNewEntry();
    bool AddNewEntry(const std::string& key);
    void OnDeleteEntry();
    void OnSaveEntry();
    // Export and options: run the dialogs installed in the hooks below.
    void OnExportHtml();
    void ShowOptionsSheet();
    void OnHomePage();
    void OnHelpFile();
    void OnFilePrint();
    void OnFilePrintSetup();
    void OnAppAbout();
    void OnViewStatusBar();

    // The first pane of the status bar.
    void SetMessageText(const QString& text);
    QString MessageText() const;

    // The pane that last took the focus (the framework's active view).
    void SetActivePane(QWidget* pane);
    QWidget* ActivePane() const { return m_activePane; }
    // Enables Print and the edit items as the active pane allows.
    void UpdateCommandUI();

    CLeftView* LeftView() const { return m_leftView; }
    CMainView* MainView() const { return m_mainView; }
    CTitleView* TitleView() const { return m_titleView; }
    QSplitter* OuterSplitter() const { return m_outerSplitter; }
    QSplitter* InnerSplitter() const { return m_innerSplitter; }
    QToolBar* ToolBar() const { return m_toolBar; }
    kivor::Settings& GetSettings() { return m_settings; }
    QPrinter& Printer();

    // Test seam: runs the new-entry dialog; by default it is shown modally.
    std::function<int(class CNewEntryDlg&)> m_runNewEntryDialog;

    QDate m_timeNewEntry;  // the date last picked in the new-entry dialog

    // The window closes: the editor saves a pending change first.
    void OnClose();

  protected:
    void closeEvent(QCloseEvent* event) override;
    QMenu* createPopupMenu() override { return nullptr; }

  private:
    void CreateClient();
    void CreateCommands();
    void CreateMenu();
    void CreateToolBar();
    void CreateStatusBar();
    void UpdateIndicators();
    bool eventFilter(QObject* watched, QEvent* event) override;

    kivor::Settings& m_settings;
    QSplitter* m_outerSplitter = nullptr;
    QSplitter* m_innerSplitter = nullptr;
    CLeftView* m_leftView = nullptr;
    CTitleView* m_titleView = nullptr;
    CMainView* m_mainView = nullptr;
    QToolBar* m_toolBar = nullptr;
    QLabel* m_idleLabel = nullptr;
    QLabel* m_indicators[4] = {};
    QWidget* m_activePane = nullptr;
    std::map<int, QAction*> m_actions;
    std::unique_ptr<QPrinter> m_printer;
};

namespace kivor {
KIVOR_CP932_TEXT(kDayExistsMessage,
                 "指定した日時の日記は、既に存在します。その日の日記を開いて編集してください。")
KIVOR_CP932_TEXT(kSelectDayToDeleteMessage,
                 "削除したい日を選択してから削除してください。(年あるいは月をまとめて削除することは"
                 "できません。)")
KIVOR_CP932_TEXT(kConfirmDeleteTail, "の日記を削除してもよろしいですか。")
KIVOR_CP932_TEXT(kWriteHerePlaceholder, "<ここに日記を書いてください>")
}  // namespace kivor
