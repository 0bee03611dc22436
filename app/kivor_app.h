// The application: loads the settings, makes sure only one copy runs,
// shows the main window, and at the end writes the settings back before it
// gives up the single-instance lock.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/instance_lock.h"
#include "settings/settings.h"

class CMainFrame;

class CKivorApp {
  public:
    // folderOption: --folder (UTF-8). programPath: the running program's
    // path (UTF-8), "" when unknown.
    CKivorApp(std::optional<std::string> folderOption, std::string programPath);
    ~CKivorApp();
    CKivorApp(const CKivorApp&) = delete;
    CKivorApp& operator=(const CKivorApp&) = delete;

    // The whole life on the running QApplication: InitApplication,
    // InitInstance, the event loop, ExitInstance. Gives the exit code.
    int Run();

    // Resolves the diary folder and loads the settings. False (after the
    // message "exe 名,プログラム名が不正です。") when the folder's name
    // cannot be held: the program then ends with exit code 1.
    bool InitApplication();
    // Takes the single-instance lock and shows the main window titled
    // "ケルノア". False, silently, when another copy runs.
    bool InitInstance();
    // Writes the settings, then releases the lock. Runs also after a false
    // InitInstance. Gives the exit code.
    int ExitInstance();

    void OnAppAbout();

    kivor::Settings& GetSettings() { return m_settings; }
    CMainFrame* MainFrame() const { return m_frame.get(); }

  private:
    std::optional<std::string> m_folderOption;
    std::string m_programPath;
    kivor::Settings m_settings;
    bool m_settingsLoaded = false;
    kivor::InstanceLock m_lock{kivor::kInstanceLockName};
    std::unique_ptr<CMainFrame> m_frame;
};

namespace kivor {
// The main window's title.
inline constexpr const char* kMainWindowTitle = "ケルノア";
}  // namespace kivor
