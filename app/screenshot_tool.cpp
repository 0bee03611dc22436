// kivor_screenshots OUT_DIR [--icons ICON_DIR]
// Renders the main window (a small diary, one day open) and the About box
// to PNG files; with --icons also writes the program icon in the sizes the
// desktop installation uses.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>
#include <cstdio>

#include "app/about_dlg.h"
#include "app/main_frame.h"
#include "app/title_view.h"
#include "diary/entry_store.h"
#include "diary/left_view.h"
#include "diary/main_view.h"
#include "diary/new_entry_dlg.h"
#include "platform/cp932.h"
#include "res/icons.h"
#include "settings/settings.h"

using namespace kivor;

namespace {

struct FixtureEntry {
    const char* key;
    const char* text;  // UTF-8 with \n
};

const FixtureEntry kFixture[] = {
    {"20031231", "大晦日。\n一年の日記を読み返した。"},
    {"20040102", "初詣に行った。\nおみくじは中吉。"},
    {"20040105", "仕事始め。"},
    {"20040503", "憲法記念日。\n庭の花がよく咲いている。"},
    {"20040514",
     "晴れ。\n朝から散歩に出かけた。公園のつつじがきれいだった。\n\n"
     "午後は図書館で本を三冊借りた。\n夜は友人と電話で話す。来週は山へ行く予定。"},
    {"20040515", "雨のため一日中家で過ごした。"},
};

std::string ToStored(const char* utf8) {
    QString text = QString::fromUtf8(utf8);
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return Sjis(text.toStdString());
}

bool Save(QWidget& widget, const QString& path) {
    const QPixmap shot = widget.grab();
    if (!shot.save(path)) {
        std::fprintf(stderr, "kivor_screenshots: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: kivor_screenshots OUT_DIR [--icons ICON_DIR]\n");
        return 2;
    }
    const QString outDir = args.at(1);
    QDir().mkpath(outDir);
    const int iconsAt = static_cast<int>(args.indexOf(QStringLiteral("--icons")));
    if (iconsAt > 0 && iconsAt + 1 < args.size()) {
        const QString iconDir = args.at(iconsAt + 1);
        QDir().mkpath(iconDir);
        for (int size : {16, 32, 48, 256}) {
            const QString path = QStringLiteral("%1/kivor-%2.png").arg(iconDir).arg(size);
            if (!AppIconPixmap(size).save(path)) return 1;
            std::printf("%s\n", qPrintable(path));
        }
    }

    QTemporaryDir diary;
    const std::string folder = diary.path().toStdString() + "/";
    for (const FixtureEntry& entry : kFixture) WriteEntry(folder, entry.key, ToStored(entry.text));
    Settings settings = DefaultSettings(folder);

    bool ok = true;
    {
        CMainFrame frame(settings);
        frame.setWindowTitle(QStringLiteral("ケルノア"));
        frame.resize(720, 480);
        frame.OnInitialUpdate();
        frame.show();
        QApplication::processEvents();
        if (TreeNode* day = frame.LeftView()->Model().FindDay(EntryDate{2004, 5, 14})) {
            frame.LeftView()->SelectNode(*day);
        }
        frame.MainView()->setFocus();
        QApplication::processEvents();
        ok &= Save(frame, outDir + QStringLiteral("/main-window.png"));

        CAboutDlg about(&frame);
        about.show();
        QApplication::processEvents();
        ok &= Save(about, outDir + QStringLiteral("/about-box.png"));

        CNewEntryDlg newEntry(&settings, &frame);
        newEntry.show();
        QApplication::processEvents();
        ok &= Save(newEntry, outDir + QStringLiteral("/new-entry.png"));
    }
    return ok ? 0 : 1;
}
