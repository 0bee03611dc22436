#include "app/desktop_main.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <string>
#include <vector>

#include "app/kivor_app.h"
#include "platform/diary_folder.h"
#include "platform/message_box.h"
#include "platform/qt_message_box.h"
#include "res/icons.h"

namespace kivor {

void ConfigureApplication() {
    QApplication::setApplicationName(QStringLiteral("kivor"));
    // No display name: the window system would append it to every caption
    // ("確認 — ケルノア"); the windows and boxes carry their own captions.
    QGuiApplication::setDesktopFileName(QStringLiteral("kivor"));
    QApplication::setWindowIcon(AppIcon());
    // Qt's own texts and names (the editors' context menus, the date
    // picker's months and weekdays, the folder, colour and print dialogs) in
    // Japanese, as the rest of the windows.
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    QLocale::setDefault(japanese);
    auto* qtTexts = new QTranslator(qApp);
    if (qtTexts->load(japanese, QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qtTexts);
    } else {
        delete qtTexts;
    }
}

int RunDesktop(const CommandLine& line, const char* argv0) {
    // Qt sees the program name and the arguments meant for it.
    std::vector<std::string> qtArgs{argv0};
    qtArgs.insert(qtArgs.end(), line.passThrough.begin(), line.passThrough.end());
    std::vector<char*> qtArgv;
    for (std::string& arg : qtArgs) qtArgv.push_back(arg.data());
    qtArgv.push_back(nullptr);
    int qtArgc = static_cast<int>(qtArgs.size());

    QApplication app(qtArgc, qtArgv.data());
    ConfigureApplication();

    QtMessageBoxService boxes;
    SetMessageBoxService(&boxes);
    int code = 0;
    {
        CKivorApp kivorApp(line.folder, RunningProgramPath());
        code = kivorApp.Run();
    }
    SetMessageBoxService(nullptr);
    return code;
}

}  // namespace kivor
