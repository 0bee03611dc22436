#include "app/kivor_app.h"

#include <QApplication>
#include <future>
#include <vector>

#include "app/about_dlg.h"
#include "app/main_frame.h"
#include "app/window_globals.h"
#include "diary/entry_store.h"
#include "diary/left_view.h"
#include "platform/diary_folder.h"
#include "platform/message_box.h"

using namespace kivor;

CKivorApp::CKivorApp(std::optional<std::string> folderOption, std::string programPath)
    : m_folderOption(std::move(folderOption)), m_programPath(std::move(programPath)) {}

CKivorApp::~CKivorApp() = default;

int CKivorApp::Run() {
    if (!InitApplication()) return 1;
    if (InitInstance()) QApplication::exec();
    return ExitInstance();
}

bool CKivorApp::InitApplication() {
    const DiaryFolderResult folder = ResolveDiaryFolder(m_folderOption, m_programPath);
    if (!folder.ok) {
        AppMessageBox(CurrentMessageBoxService(), kBadProgramNameMessage());
        return false;
    }
    LoadSettings(m_settings, folder.folderCp932);
    m_settingsLoaded = true;
    return true;
}

bool CKivorApp::InitInstance() {
    // Another copy runs: stop without a word and without a window.
    if (!m_lock.Acquire()) return false;
    // The folder is listed while the windows are built: with a diary of many
    // years the listing takes about as long as the windows.
    std::future<std::vector<EntryDate>> listing =
        std::async(std::launch::async, ListEntryDates, m_settings.ProgramFolder);
    m_frame = std::make_unique<CMainFrame>(m_settings);
    m_frame->setWindowTitle(QString::fromUtf8(kMainWindowTitle));
    m_frame->OnInitialUpdate(listing.get());
    m_frame->show();
    // The tree is the active pane at start.
    m_frame->LeftView()->setFocus(Qt::OtherFocusReason);
    return true;
}

int CKivorApp::ExitInstance() {
    // The windows go first (the editor has saved in the frame's close).
    m_frame.reset();
    if (m_settingsLoaded) SaveSettings(m_settings, CurrentMessageBoxService());
    m_lock.Release();
    return 0;
}

void CKivorApp::OnAppAbout() {
    CAboutDlg dialog(m_frame.get());
    dialog.exec();
}
