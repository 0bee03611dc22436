// Draws the option sheets and the export dialog on the offscreen platform
// and saves a PNG of each into the given folder (docs/ of the source tree):
//   dialog_pictures DIR
#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <cstdio>

#include "diary/calendar_tree.h"
#include "export/export_dialog.h"
#include "platform/cp932.h"
#include "settings/options_sheet.h"

namespace {

bool Save(QWidget& window, const QString& path) {
    window.show();
    QApplication::processEvents();
    const bool saved = window.grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
    return saved;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: dialog_pictures DIR\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    using namespace kivor;

    Settings settings = DefaultSettings("/home/user/diary/");
    settings.HeaderText = Sjis("<a href=\"/\">ホームへ</a>\r\n毎日の記録です。");
    settings.FooterText = Sjis("Copyright 2004");
    settings.WhereToWriteHeader = 3;
    settings.UrlToHomePage = "http://example.org/~user/";
    bool ok = true;

    auto options = MakeOptionsSheet(nullptr, settings, [] {});
    ok &= Save(*options, dir.filePath("options_sheet.png"));

    auto details = MakeExportDetailsSheet(nullptr, settings);
    const char* const pages[] = {"details_sheet_color.png", "details_sheet_header_footer.png",
                                 "details_sheet_link.png"};
    for (int i = 0; i < 3; ++i) {
        details->show();
        details->Tabs()->setCurrentIndex(i);
        ok &= Save(*details, dir.filePath(pages[i]));
    }

    CalendarTree tree(settings);
    CExportHtmlDlg dialog(settings, tree);
    ok &= Save(dialog, dir.filePath("export_dialog.png"));
    return ok ? 0 : 1;
}
