#include "app/main_frame.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QStatusBar>
#include <QToolBar>

#include "app/about_dlg.h"
#include "app/lock_keys.h"
#include "app/string_table.h"
#include "app/title_view.h"
#include "app/window_globals.h"
#include "diary/entry_date.h"
#include "diary/left_view.h"
#include "diary/main_view.h"
#include "diary/new_entry_dlg.h"
#include "export/export_dialog.h"
#include "platform/message_box.h"
#include "platform/qt_text.h"
#include "platform/url_opener.h"
#include "res/icons.h"
#include "settings/options_sheet.h"

using namespace kivor;

namespace {

// One command: its ID, its menu label (nullptr when no menu item shows it)
// and its handler. The prompt and the tool tip come from the string table,
// the button image from res/icons.
struct CommandDef {
    int id;
    const char* label;
    void (CMainFrame::*handler)();  // nullptr: handled in ExecuteCommand
};

const CommandDef kCommands[] = {
    {ID_NEW_ENTRY, "新しい日記(&N)", &CMainFrame::OnNewEntry},
    {ID_SAVE_ENTRY, "保存(&S)", &CMainFrame::OnSaveEntry},
    {ID_FILE_PRINT, "印刷(&P)...\tCtrl+P", &CMainFrame::OnFilePrint},
    {ID_FILE_PRINT_SETUP, "プリンタの設定(&R)...", &CMainFrame::OnFilePrintSetup},
    {ID_APP_EXIT, "終了(&X)", nullptr},
    {ID_EDIT_UNDO, "元に戻す(&U)\tCtrl+Z", nullptr},
    {ID_EDIT_CUT, "切り取り(&T)\tCtrl+X", nullptr},
    {ID_EDIT_COPY, "コピー(&C)\tCtrl+C", nullptr},
    {ID_EDIT_PASTE, "貼り付け(&P)\tCtrl+V", nullptr},
    {ID_EXPORT_HTML_MENU, "日記をHTMLへ書き出し(&W)", &CMainFrame::OnExportHtml},
    {ID_VIEW_STATUS_BAR, "ステータスバー(&S)", &CMainFrame::OnViewStatusBar},
    {ID_OPTIONS, "設定(&O)", &CMainFrame::ShowOptionsSheet},
    {ID_APP_ABOUT, "バージョン情報(&A)...", &CMainFrame::OnAppAbout},
    {ID_HOMEPAGE, "ホームページへ接続(&I)", &CMainFrame::OnHomePage},
    {ID_DELETE_ENTRY, nullptr, &CMainFrame::OnDeleteEntry},
    {ID_EXPORT_HTML, nullptr, &CMainFrame::OnExportHtml},
    {ID_HELP_FILE, nullptr, &CMainFrame::OnHelpFile},
    {ID_TREE_NEW_ENTRY, nullptr, &CMainFrame::OnNewEntry},
    {ID_TREE_DELETE_ENTRY, nullptr, &CMainFrame::OnDeleteEntry},
};

// The menu: per menu its title and its items (0 is a separator).
struct MenuDef {
    const char* title;
    std::initializer_list<int> items;
};

const MenuDef kMenus[] = {
    {"ファイル(&F)",
     {ID_NEW_ENTRY, ID_SAVE_ENTRY, 0, ID_FILE_PRINT, ID_FILE_PRINT_SETUP, 0, ID_APP_EXIT}},
    {"編集(&E)", {ID_EDIT_UNDO, 0, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE}},
    {"ツール(&T)", {ID_EXPORT_HTML_MENU}},
    {"表示(&V)", {ID_VIEW_STATUS_BAR, ID_OPTIONS}},
    {"ヘルプ(&H)", {ID_APP_ABOUT, ID_HOMEPAGE}},
};

// The tool bar, left to right (0 is a separator).
const int kToolBarButtons[] = {
    ID_NEW_ENTRY,  ID_DELETE_ENTRY, ID_SAVE_ENTRY, 0, ID_EXPORT_HTML, ID_OPTIONS, 0,
    ID_FILE_PRINT, ID_HOMEPAGE};

// The status bar's indicator panes after the message pane.
struct IndicatorDef {
    LockKey key;
    const char* text;
};
const IndicatorDef kIndicators[] = {{LockKey::kana, "ｶﾅ"},
                                    {LockKey::caps, "CAP"},
                                    {LockKey::num, "NUM"},
                                    {LockKey::scroll, "SCRL"}};

}  // namespace

CMainFrame::CMainFrame(Settings& settings, QWidget* parent)
    : QMainWindow(parent), m_settings(settings) {
    g_pMainFrame = this;
    setWindowIcon(AppIcon());
    CreateClient();
    CreateCommands();
    CreateMenu();
    CreateToolBar();
    CreateStatusBar();
    // The edit items follow the editor's selection, undo history and the
    // clipboard.
    connect(m_mainView, &QPlainTextEdit::selectionChanged, this, &CMainFrame::UpdateCommandUI);
    connect(m_mainView, &QPlainTextEdit::undoAvailable, this, &CMainFrame::UpdateCommandUI);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this,
            &CMainFrame::UpdateCommandUI);
    // The product name; nothing changes the title later.
    setWindowTitle(QStringLiteral("ケルノア"));
    resize(800, 600);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (!now) return;
        if (m_leftView && (now == m_leftView || m_leftView->isAncestorOf(now))) {
            SetActivePane(m_leftView);
        } else if (m_titleView && m_titleView->isAncestorOf(now)) {
            SetActivePane(m_titleView);
        } else if (now == m_mainView) {
            SetActivePane(m_mainView);
        }
    });
    qApp->installEventFilter(this);
}

CMainFrame::~CMainFrame() {
    qApp->removeEventFilter(this);
    if (g_pMainFrame == this) g_pMainFrame = nullptr;
}

void CMainFrame::CreateClient() {
    // The tree column is 160 pixels wide, the banner row 70 pixels high; the
    // editor takes the rest. Both bars can be dragged.
    m_outerSplitter = new QSplitter(Qt::Horizontal, this);
    m_leftView = new CLeftView(m_settings, m_outerSplitter);
    m_innerSplitter = new QSplitter(Qt::Vertical, m_outerSplitter);
    m_titleView = new CTitleView(m_innerSplitter);
    m_mainView = new CMainView(m_settings, m_innerSplitter);
    m_outerSplitter->addWidget(m_leftView);
    m_outerSplitter->addWidget(m_innerSplitter);
    m_innerSplitter->addWidget(m_titleView);
    m_innerSplitter->addWidget(m_mainView);
    m_outerSplitter->setStretchFactor(0, 0);
    m_outerSplitter->setStretchFactor(1, 1);
    m_innerSplitter->setStretchFactor(0, 0);
    m_innerSplitter->setStretchFactor(1, 1);
    m_outerSplitter->setSizes({160, 640});
    m_innerSplitter->setSizes({70, 460});
    m_leftView->setMinimumWidth(0);
    m_titleView->setMinimumHeight(0);
    setCentralWidget(m_outerSplitter);
    m_activePane = m_leftView;
}

void CMainFrame::CreateCommands() {
    for (const CommandDef& def : kCommands) {
        const QString toolTip = CommandToolTip(def.id);
        auto* action = new QAction(this);
        action->setText(def.label ? QString::fromUtf8(def.label) : toolTip);
        action->setStatusTip(CommandPrompt(def.id));
        action->setToolTip(toolTip);
        const QPixmap image = ToolbarImage(def.id);
        if (!image.isNull()) action->setIcon(QIcon(image));
        action->setShortcutContext(Qt::WidgetShortcut);  // no accelerators
        const int id = def.id;
        connect(action, &QAction::triggered, this, [this, id] { ExecuteCommand(id); });
        m_actions[id] = action;
    }
    m_actions[ID_VIEW_STATUS_BAR]->setCheckable(true);
    m_actions[ID_VIEW_STATUS_BAR]->setChecked(true);
}

void CMainFrame::CreateMenu() {
    for (const MenuDef& def : kMenus) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(def.title));
        for (int id : def.items) {
            if (id == 0) {
                menu->addSeparator();
            } else {
                menu->addAction(m_actions.at(id));
            }
        }
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
    }
}

void CMainFrame::CreateToolBar() {
    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(QStringLiteral("toolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setIconSize(QSize(kToolbarImageWidth, kToolbarImageHeight));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_toolBar->toggleViewAction()->setVisible(false);
    for (int id : kToolBarButtons) {
        if (id == 0) {
            m_toolBar->addSeparator();
        } else {
            m_toolBar->addAction(m_actions.at(id));
        }
    }
    addToolBar(Qt::TopToolBarArea, m_toolBar);
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    m_idleLabel = new QLabel(LoadString(kIdsIdleMessage), bar);
    bar->addWidget(m_idleLabel, 1);
    const QFontMetrics metrics(bar->font());
    for (int i = 0; i < 4; ++i) {
        auto* pane = new QLabel(bar);
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pane->setAlignment(Qt::AlignCenter);
        pane->setMinimumWidth(metrics.horizontalAdvance(QString::fromUtf8(kIndicators[i].text)) +
                              8);
        bar->addPermanentWidget(pane);
        m_indicators[i] = pane;
    }
    UpdateIndicators();
}

void CMainFrame::UpdateIndicators() {
    for (int i = 0; i < 4; ++i) {
        m_indicators[i]->setText(
            IsLockKeyOn(kIndicators[i].key) ? QString::fromUtf8(kIndicators[i].text) : QString());
    }
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_CapsLock || key == Qt::Key_NumLock || key == Qt::Key_ScrollLock ||
            key == Qt::Key_Kana_Lock || key == Qt::Key_Hiragana_Katakana ||
            key == Qt::Key_Katakana || key == Qt::Key_Hiragana) {
            UpdateIndicators();
        }
    } else if (event->type() == QEvent::WindowActivate && watched == this) {
        UpdateIndicators();
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::OnInitialUpdate() {
    m_leftView->OnInitialUpdate();
    m_activePane = m_leftView;
    UpdateCommandUI();
}

void CMainFrame::OnInitialUpdate(const std::vector<EntryDate>& listed) {
    m_leftView->OnInitialUpdate(listed);
    // The tree is the active pane at start.
    m_activePane = m_leftView;
    UpdateCommandUI();
}

QAction* CMainFrame::Action(int id) const {
    auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

void CMainFrame::ExecuteCommand(int id) {
    switch (id) {
        case ID_APP_EXIT:
            close();
            return;
        case ID_EDIT_UNDO:
            if (m_activePane == m_mainView) m_mainView->undo();
            return;
        case ID_EDIT_CUT:
            if (m_activePane == m_mainView) m_mainView->cut();
            return;
        case ID_EDIT_COPY:
            if (m_activePane == m_mainView) m_mainView->copy();
            return;
        case ID_EDIT_PASTE:
            if (m_activePane == m_mainView) m_mainView->paste();
            return;
        default:
            break;
    }
    for (const CommandDef& def : kCommands) {
        if (def.id == id && def.handler) {
            (this->*def.handler)();
            return;
        }
    }
}

void CMainFrame::SetMessageText(const QString& text) {
    statusBar()->showMessage(text);
}

QString CMainFrame::MessageText() const {
    const QString message = statusBar()->currentMessage();
    return message.isEmpty() ? m_idleLabel->text() : message;
}

void CMainFrame::SetActivePane(QWidget* pane) {
    m_activePane = pane;
    UpdateCommandUI();
}

void CMainFrame::UpdateCommandUI() {
    m_actions[ID_FILE_PRINT]->setEnabled(g_bEditorActive != 0);
    const bool editor = m_activePane == m_mainView && m_mainView->isEnabled();
    const bool writable = editor && !m_mainView->isReadOnly();
    const bool selection = editor && m_mainView->textCursor().hasSelection();
    m_actions[ID_EDIT_UNDO]->setEnabled(writable && m_mainView->document()->isUndoAvailable());
    m_actions[ID_EDIT_CUT]->setEnabled(writable && selection);
    m_actions[ID_EDIT_COPY]->setEnabled(selection);
    m_actions[ID_EDIT_PASTE]->setEnabled(writable && m_mainView->canPaste());
}

// --- entry commands ---------------------------------------------------------

void CMainFrame::OnNewEntry() {
    CNewEntryDlg dialog(&m_settings);
    dialog.m_pFrame = this;
    const int result = m_runNewEntryDialog ? m_runNewEntryDialog(dialog) : dialog.exec();
    if (result != QDialog::Accepted) return;
    const std::string key =
        FormatDateKey(m_timeNewEntry.year(), m_timeNewEntry.month(), m_timeNewEntry.day());
    AddNewEntry(key);
}

bool CMainFrame::AddNewEntry(const std::string& key) {
    const EntryDate date = ParseDateKey(key);
    const bool saveFirst = !m_mainView->m_szDateKey.empty();
    if (!m_leftView->InsertDate(date, true, saveFirst)) {
        AppMessageBox(CurrentMessageBoxService(), kDayExistsMessage());
        return true;
    }
    m_mainView->m_szDateKey = key;
    // A day whose file exists without a node in the tree keeps its stored
    // text; only a day without a file gets the placeholder.
    if (m_mainView->GetLoadState() == CMainView::LoadState::missing) {
        m_mainView->SetWindowText(
            m_settings.ShowWriteHereMessage != 0 ? QString() : FromCp932(kWriteHerePlaceholder()));
    }
    m_mainView->setEnabled(true);
    m_mainView->setFocus(Qt::OtherFocusReason);
    m_titleView->SetDate(key);
    return true;
}

void CMainFrame::OnDeleteEntry() {
    const TreeNode* node = m_leftView->SelectedNode();
    const TreeNode* month = node ? node->parent : nullptr;
    const TreeNode* year = month ? month->parent : nullptr;
    const std::string dayLabel = node ? node->label : std::string();
    const std::string monthLabel = month ? month->label : std::string();
    const std::string yearLabel = year ? year->label : std::string();
    MessageBoxService& boxes = CurrentMessageBoxService();
    if (!ContainsMb(dayLabel, kDayMark()) || dayLabel.empty() || monthLabel.empty() ||
        yearLabel.empty()) {
        AppMessageBox(boxes, kSelectDayToDeleteMessage());
        return;
    }
    const std::string question =
        yearLabel + "/" + monthLabel + "/" + dayLabel + kConfirmDeleteTail();
    if (AppMessageBox(boxes, question, MbButtons::yesNo, MbIcon::information) != MbAnswer::yes) {
        return;
    }
    // The day asked about, found again: the node is not kept across the box.
    const std::string key = GetSelectedDateKey(*node);
    TreeNode* day = m_leftView->Model().FindDay(ParseDateKey(key));
    if (day) m_leftView->DeleteDay(*day, key);
}

void CMainFrame::OnSaveEntry() {
    m_mainView->SaveEntry(true);
    m_mainView->m_bModified = 0;
}

// --- other commands ---------------------------------------------------------

void CMainFrame::OnExportHtml() {
    kivor::RunExportDialog(this, m_settings, m_leftView->Model());
}

void CMainFrame::ShowOptionsSheet() {
    kivor::RunOptionsSheet(this, m_settings, [this] { m_leftView->SortYearsAndMonths(); });
}

void CMainFrame::OnHomePage() {
    OpenUrlOrFile(QStringLiteral(KIVOR_HOMEPAGE_URL));
}

void CMainFrame::OnHelpFile() {
    // The bundled user guide, where the installation has one.
    const QString appDir = QCoreApplication::applicationDirPath();
    for (const QString& candidate :
         {appDir + QStringLiteral("/../share/doc/kivor/README.md"),
          appDir + QStringLiteral("/README.md"), appDir + QStringLiteral("/../README.md")}) {
        if (QFileInfo::exists(candidate)) {
            OpenUrlOrFile(QFileInfo(candidate).absoluteFilePath());
            return;
        }
    }
}

QPrinter& CMainFrame::Printer() {
    if (!m_printer) m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

void CMainFrame::OnFilePrint() {
    if (!g_bEditorActive) return;
    QPrintDialog dialog(&Printer(), this);
    if (dialog.exec() != QDialog::Accepted) return;
    m_mainView->print(&Printer());
}

void CMainFrame::OnFilePrintSetup() {
    QPageSetupDialog dialog(&Printer(), this);
    dialog.exec();
}

void CMainFrame::OnAppAbout() {
    CAboutDlg dialog(this);
    dialog.exec();
}

void CMainFrame::OnViewStatusBar() {
    statusBar()->setVisible(m_actions[ID_VIEW_STATUS_BAR]->isChecked());
}

// --- closing ----------------------------------------------------------------

void CMainFrame::closeEvent(QCloseEvent* event) {
    OnClose();
    event->accept();
}

void CMainFrame::OnClose() {
    if (m_mainView->m_bModified == 1) {
        m_mainView->SaveEntry(false);
        m_mainView->m_bModified = 0;
        g_bEditorActive = 0;
    } else if (m_mainView->hasFocus()) {
        // The focus loss of closing writes the open entry.
        m_mainView->SaveEntry(false);
    }
    // The entry is in its final state: the focus changes of tearing the
    // window down write nothing more (an answer No stays No).
    m_mainView->EndEditing();
}
