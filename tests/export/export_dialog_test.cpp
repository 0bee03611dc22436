// The export dialog on real widgets: what it shows, what Close, Cancel,
// Start, Preview, Browse and the reset store, and the limits of its boxes.
#include "export/export_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <vector>

#include "diary/calendar_tree.h"
#include "platform/cp932.h"
#include "platform/folder_chooser.h"
#include "platform/recording_message_box.h"
#include "platform/url_opener.h"
#include "settings/settings.h"
#include "support/temp_dir.h"

namespace kivor {
namespace {

QString Q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// Types text that QTest's key tables do not know (Japanese), one key event
// per character.
void TypeText(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

template <typename Control>
Control* Find(const QWidget* parent, int id) {
    auto* control = parent->findChild<Control*>(QString::number(id));
    EXPECT_NE(control, nullptr) << "control " << id;
    return control;
}

// A diary of three days in two months, the settings of a fresh install for
// its folder, and the dialog over them.
struct ExportDialog {
    test::TempDir dir;
    Settings settings = DefaultSettings(dir.Path());
    CalendarTree tree{settings};
    RecordingMessageBox boxes;
    std::unique_ptr<CExportHtmlDlg> dialog;

    ExportDialog() {
        SetMessageBoxService(&boxes);
        const std::vector<EntryDate> dates = {{2004, 4, 1}, {2004, 4, 9}, {2004, 5, 3}};
        for (const EntryDate& date : dates) {
            test::WriteFileBytes(dir / (FormatDateKey(date) + ".kv1"),
                                 Sjis("日記 ") + FormatDateKey(date));
        }
        tree.Build(dates);
    }
    ~ExportDialog() {
        dialog.reset();
        SetMessageBoxService(nullptr);
    }
    void Open() {
        dialog = std::make_unique<CExportHtmlDlg>(settings, tree);
        dialog->show();
        // An opened dialog is the active window and holds the focus.
        QApplication::setActiveWindow(dialog.get());
        QCoreApplication::processEvents();
    }
    QLineEdit* Folder() { return Find<QLineEdit>(dialog.get(), 1037); }
    QLineEdit* MainFile() { return Find<QLineEdit>(dialog.get(), 1054); }
    QLineEdit* Title() { return Find<QLineEdit>(dialog.get(), 1062); }
    QRadioButton* Layout(int n) { return Find<QRadioButton>(dialog.get(), 1015 + n); }
    void Click(int id) { Find<QPushButton>(dialog.get(), id)->click(); }
    void Retype(QLineEdit* box, const char* text) {
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        TypeText(box, QString::fromUtf8(text));
    }
};

// Answers the folder chooser and records how it was opened.
struct ScriptedFolderChooser {
    std::optional<QString> answer;
    QString prompt, start;
    int calls = 0;
    ScriptedFolderChooser() {
        SetFolderChooser([this](const QString& p, const QString& s) {
            ++calls;
            prompt = p;
            start = s;
            return answer;
        });
    }
    ~ScriptedFolderChooser() { SetFolderChooser(nullptr); }
};

TEST(ExportDialog, opensWithTheSettings) {
    ExportDialog e;
    e.settings.ExportHtmlType = 2;
    e.settings.HtmlTitle = Sjis("旅の記録");
    e.Open();
    EXPECT_EQ(e.dialog->windowTitle(), Q("日記を HTML ファイルへ書き出し"));
    EXPECT_EQ(e.Folder()->text(), QString::fromStdString(e.settings.ExportHtmlPath));
    EXPECT_EQ(e.MainFile()->text(), Q("index.html"));
    EXPECT_EQ(e.Title()->text(), Q("旅の記録"));
    EXPECT_FALSE(e.Layout(1)->isChecked());
    EXPECT_TRUE(e.Layout(2)->isChecked());
    EXPECT_FALSE(e.Layout(3)->isChecked());
    EXPECT_EQ(e.dialog->m_nLayout, 2);
    auto* compact = Find<QCheckBox>(e.dialog.get(), 1053);
    EXPECT_FALSE(compact->isVisible());
    EXPECT_FALSE(compact->isEnabled());
    // "閉じる" is the default button whenever the focus is not on a button.
    e.Title()->setFocus();
    EXPECT_TRUE(Find<QPushButton>(e.dialog.get(), 1)->isDefault());
    EXPECT_EQ(Find<QPushButton>(e.dialog.get(), 1)->text(), Q("閉じる"));
    EXPECT_EQ(Find<QPushButton>(e.dialog.get(), 2)->text(), Q("キャンセル"));
    for (int sketch : {1058, 1059, 1061}) {
        const QLabel* picture = Find<QLabel>(e.dialog.get(), sketch);
        EXPECT_EQ(picture->pixmap().size(), QSize(100, 60)) << sketch;
    }
}

TEST(ExportDialog, aLayoutOutsideOneToThree_selectsNoButton) {
    ExportDialog e;
    e.settings.ExportHtmlType = 7;
    e.Open();
    for (int n = 1; n <= 3; ++n) EXPECT_FALSE(e.Layout(n)->isChecked()) << n;
    EXPECT_EQ(e.dialog->m_nLayout, 7);
}

TEST(ExportDialog, closeStoresTheFourValues_cancelStoresNothing) {
    for (bool close : {true, false}) {
        ExportDialog e;
        const Settings before = e.settings;
        e.Open();
        e.Layout(3)->click();
        EXPECT_EQ(e.dialog->m_nLayout, 3);
        e.Retype(e.Folder(), "/srv/www/diary");
        e.Retype(e.MainFile(), "top.html");
        e.Retype(e.Title(), "");
        TypeText(e.Title(), Q("毎日"));
        e.Click(close ? 1 : 2);
        EXPECT_FALSE(e.dialog->isVisible());
        if (close) {
            EXPECT_EQ(e.dialog->result(), QDialog::Accepted);
            EXPECT_EQ(e.settings.ExportHtmlType, 3);
            EXPECT_EQ(e.settings.ExportHtmlPath, "/srv/www/diary");
            EXPECT_EQ(e.settings.HtmlTopFileName, "top.html");
            EXPECT_EQ(e.settings.HtmlTitle, Sjis("毎日"));
        } else {
            EXPECT_EQ(e.dialog->result(), QDialog::Rejected);
            EXPECT_EQ(e.settings.ExportHtmlType, before.ExportHtmlType);
            EXPECT_EQ(e.settings.ExportHtmlPath, before.ExportHtmlPath);
            EXPECT_EQ(e.settings.HtmlTopFileName, before.HtmlTopFileName);
            EXPECT_EQ(e.settings.HtmlTitle, before.HtmlTitle);
        }
        EXPECT_TRUE(e.boxes.m_shown.empty());
    }
}

TEST(ExportDialog, escapeCancels_andEnterCloses) {
    ExportDialog e;
    e.Open();
    e.Layout(2)->click();
    QTest::keyClick(e.dialog.get(), Qt::Key_Escape);
    EXPECT_EQ(e.settings.ExportHtmlType, 1);
    e.Open();
    e.Layout(2)->click();
    e.Title()->setFocus();
    QTest::keyClick(e.Title(), Qt::Key_Return);
    EXPECT_EQ(e.dialog->result(), QDialog::Accepted);
    EXPECT_EQ(e.settings.ExportHtmlType, 2);
}

TEST(ExportDialog, opensWithTheFocusOnStart_soEnterStartsTheExport) {
    ExportDialog e;
    e.settings.ExportHtmlPath = e.dir.Path() + "out";
    e.Open();
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("1015"));
    e.boxes.Answer(MbAnswer::yes);  // create the missing folder
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_FALSE(e.boxes.m_shown.empty());
    EXPECT_EQ(e.boxes.m_shown.back().CaptionUtf8(), "成功");
    EXPECT_TRUE(test::FileExists(e.dir / "out/index.html"));
    EXPECT_TRUE(e.dialog->isVisible()) << "Start leaves the dialog open";
}

TEST(ExportDialog, resetFillsTheBoxesOnly_andCancelKeepsTheSettings) {
    ExportDialog e;
    e.settings.ExportHtmlPath = "/elsewhere";
    e.settings.HtmlTopFileName = "top.html";
    e.settings.HtmlTitle = "x";
    e.settings.ExportHtmlType = 2;
    const Settings before = e.settings;
    e.Open();
    e.Click(1055);
    EXPECT_EQ(e.Folder()->text(), QString::fromStdString(e.dir.Path() + "html"));
    EXPECT_EQ(e.MainFile()->text(), Q("index.html"));
    EXPECT_EQ(e.Title()->text(), Q("私の日記"));
    EXPECT_TRUE(e.Layout(2)->isChecked());
    e.Click(2);
    EXPECT_EQ(e.settings.ExportHtmlPath, before.ExportHtmlPath);
    EXPECT_EQ(e.settings.HtmlTopFileName, before.HtmlTopFileName);
    EXPECT_EQ(e.settings.HtmlTitle, before.HtmlTitle);
    EXPECT_EQ(e.settings.ExportHtmlType, 2);
}

TEST(ExportDialog, startExportsTheChosenLayout_notTheStoredOne) {
    ExportDialog e;
    e.settings.ExportHtmlPath = e.dir.Path() + "out";
    e.settings.ExportHtmlType = 1;
    e.Open();
    e.Layout(3)->click();
    e.boxes.Answer(MbAnswer::yes);  // create the missing folder
    e.Click(1015);
    ASSERT_FALSE(e.boxes.m_shown.empty());
    EXPECT_EQ(e.boxes.m_shown.back().CaptionUtf8(), "成功");
    EXPECT_TRUE(test::FileExists(e.dir / "out/index.html"));
    // Layout 3 writes one page per month.
    EXPECT_TRUE(test::FileExists(e.dir / "out/200404xx.html"));
    EXPECT_TRUE(test::FileExists(e.dir / "out/200405xx.html"));
    EXPECT_FALSE(test::FileExists(e.dir / "out/20040401.html"));
    EXPECT_EQ(e.settings.ExportHtmlType, 1) << "Start does not store the layout";
    EXPECT_TRUE(e.dialog->isVisible()) << "the dialog stays open";
}

TEST(ExportDialog, resetThenStart_exportsToTheResetFolderWithTheResetTitle) {
    ExportDialog e;
    e.settings.ExportHtmlPath = "/elsewhere";
    e.settings.HtmlTopFileName = "top.html";
    e.settings.HtmlTitle = Sjis("別の題");
    e.Open();
    e.Click(1055);
    e.boxes.Answer(MbAnswer::yes);
    e.Click(1015);
    ASSERT_EQ(e.boxes.m_shown.size(), 2u);
    EXPECT_EQ(e.boxes.m_shown[0].TextUtf8(),
              "フォルダ " + e.dir.Path() + "html は存在しません。作成しますか。");
    EXPECT_EQ(e.boxes.m_shown[1].CaptionUtf8(), "成功");
    EXPECT_EQ(e.settings.ExportHtmlPath, e.dir.Path() + "html");
    EXPECT_EQ(e.settings.HtmlTopFileName, "index.html");
    EXPECT_EQ(e.settings.HtmlTitle, Sjis("別の題")) << "Start does not store the title";
    const std::string page = test::ReadFileBytes(e.dir / "html/index.html");
    EXPECT_NE(page.find(Sjis("私の日記")), std::string::npos);
    EXPECT_EQ(page.find(Sjis("別の題")), std::string::npos);
    // Layout 1 is the stored one: everything on the main page.
    EXPECT_NE(page.find(Sjis("日記 20040409")), std::string::npos);
}

TEST(ExportDialog, startWithAnEmptyFolderBox_isStoppedByTheRun) {
    ExportDialog e;
    e.Open();
    e.Retype(e.Folder(), "");
    e.Click(1015);
    ASSERT_EQ(e.boxes.m_shown.size(), 1u);
    EXPECT_EQ(e.boxes.m_shown[0].CaptionUtf8(), "注意");
    EXPECT_EQ(e.boxes.m_shown[0].TextUtf8(), "HTML ファイルを書き出すフォルダを指定してください。");
}

TEST(ExportDialog, browseOpensOnTheStoredFolder_andStoresTheChoiceAtOnce) {
    ExportDialog e;
    ScriptedFolderChooser chooser;
    e.settings.ExportHtmlPath = "/srv/stored";
    e.Open();
    e.Retype(e.Folder(), "/typed/not/stored");
    chooser.answer = QStringLiteral("/srv/chosen");
    e.Click(1036);
    EXPECT_EQ(chooser.calls, 1);
    EXPECT_EQ(chooser.prompt, Q("HTML ファイル書き出しフォルダを選択してください。"));
    EXPECT_EQ(chooser.start, Q("/srv/stored"));
    EXPECT_EQ(e.settings.ExportHtmlPath, "/srv/chosen");
    EXPECT_EQ(e.Folder()->text(), Q("/srv/chosen"));
    // The choice stays even when the dialog is then cancelled.
    e.Click(2);
    EXPECT_EQ(e.settings.ExportHtmlPath, "/srv/chosen");
}

TEST(ExportDialog, aCancelledBrowse_leavesTheFolderAsItWas) {
    ExportDialog e;
    ScriptedFolderChooser chooser;
    e.settings.ExportHtmlPath = "/srv/stored";
    e.Open();
    e.Retype(e.Folder(), "/typed");
    e.Click(1036);
    EXPECT_EQ(chooser.calls, 1);
    EXPECT_EQ(e.settings.ExportHtmlPath, "/srv/stored");
    EXPECT_EQ(e.Folder()->text(), Q("/typed"));
    EXPECT_TRUE(e.boxes.m_shown.empty());
}

TEST(ExportDialog, aChosenFolderTheSettingCannotHold_isRefused) {
    ExportDialog e;
    ScriptedFolderChooser chooser;
    e.settings.ExportHtmlPath = "/srv/stored";
    e.Open();
    for (const QString& folder :
         {Q("/srv/😀"), QStringLiteral("/") + QString(300, QLatin1Char('d'))}) {
        chooser.answer = folder;
        e.Click(1036);
        EXPECT_EQ(e.settings.ExportHtmlPath, "/srv/stored");
        EXPECT_EQ(e.Folder()->text(), Q("/srv/stored"));
    }
    ASSERT_EQ(e.boxes.m_shown.size(), 2u);
    EXPECT_EQ(e.boxes.m_shown[0].CaptionUtf8(), "ケルノア");
}

TEST(ExportDialog, previewConfirmsAndOpensThePathOfTheBoxes) {
    ExportDialog e;
    std::vector<QString> opened;
    SetUrlOpener([&](const QString& target) {
        opened.push_back(target);
        return false;  // a missing page is not reported by the dialog
    });
    e.Open();
    e.Retype(e.Folder(), "/srv/www/");
    e.Retype(e.MainFile(), "日記.html");
    e.Click(1056);
    SetUrlOpener(nullptr);
    ASSERT_EQ(e.boxes.m_shown.size(), 1u);
    const auto& box = e.boxes.m_shown[0];
    EXPECT_EQ(box.TextUtf8(), "/srv/www//日記.htmlをプレビューとして開きます。");
    EXPECT_EQ(box.CaptionUtf8(), "確認");
    EXPECT_EQ(box.buttons, MbButtons::ok);
    EXPECT_EQ(box.icon, MbIcon::information);
    EXPECT_EQ(opened, (std::vector<QString>{Q("/srv/www//日記.html")}));
    EXPECT_EQ(e.settings.HtmlTopFileName, "index.html") << "preview stores nothing";
}

// Receives the URLs that the desktop would open.
class UrlCatcher : public QObject {
    Q_OBJECT
  public:
    UrlCatcher() {
        for (const char* scheme : {"file", "http", "https"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "Open");
    }
    ~UrlCatcher() override {
        for (const char* scheme : {"file", "http", "https"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
    std::vector<std::string> m_opened;  // as text

  public slots:
    void Open(const QUrl& url) { m_opened.push_back(url.toString().toStdString()); }
};

TEST(ExportDialog, previewOfAFolderGivenWithoutItsFullPath_opensTheFileInTheCurrentFolder) {
    ExportDialog e;
    UrlCatcher desktop;
    e.Open();
    e.Retype(e.Folder(), "html");
    e.Click(1056);
    ASSERT_EQ(e.boxes.m_shown.size(), 1u);
    EXPECT_EQ(e.boxes.m_shown[0].TextUtf8(), "html/index.htmlをプレビューとして開きます。");
    // Where the export writes such a folder's pages: below the current folder.
    const QUrl expected = QUrl::fromLocalFile(QDir::currentPath() + "/html/index.html");
    EXPECT_EQ(desktop.m_opened, (std::vector<std::string>{expected.toString().toStdString()}));
}

TEST(ExportDialog, boxesHoldWhatTheirSettingsHold_cutBetweenCharacters) {
    ExportDialog e;
    e.Open();
    // The title holds 31 bytes: 15 double-byte characters and one more byte.
    e.Retype(e.Title(), "");
    QApplication::clipboard()->setText(QString(20, QChar(0x3042)));  // あ x 20
    e.Title()->paste();
    EXPECT_EQ(e.Title()->text(), QString(15, QChar(0x3042)));
    QTest::keyClicks(e.Title(), "xyz");
    EXPECT_EQ(e.Title()->text(), QString(15, QChar(0x3042)) + "x");

    e.Retype(e.Folder(), "");
    QApplication::clipboard()->setText(QString(300, QLatin1Char('f')));
    e.Folder()->paste();
    EXPECT_EQ(e.Folder()->text().size(), 259);
    e.Retype(e.MainFile(), "");
    QApplication::clipboard()->setText(QString(300, QLatin1Char('m')));
    e.MainFile()->paste();
    EXPECT_EQ(e.MainFile()->text().size(), 255);

    e.Click(1);
    EXPECT_EQ(e.settings.HtmlTitle, Sjis("あああああああああああああああ") + "x");
    EXPECT_EQ(e.settings.HtmlTitle.size(), 31u);
    EXPECT_EQ(e.settings.ExportHtmlPath, std::string(259, 'f'));
    EXPECT_EQ(e.settings.HtmlTopFileName, std::string(255, 'm'));
}

TEST(ExportDialog, detailsButtonOpensTheSheetOnTheColourPage) {
    ExportDialog e;
    e.Open();
    QString caption;
    QTimer::singleShot(0, [&] {
        if (auto* sheet = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            caption = sheet->windowTitle();
            sheet->reject();
        }
    });
    e.Click(1027);
    EXPECT_EQ(caption, Q("細かい設定"));
}

// The dialog's Start and the headless command run the same export: the
// pages are the same bytes.
TEST(ExportDialog, startWritesTheSameBytesAsKivorExport) {
    ExportDialog e;
    test::WriteFileBytes(e.dir / "kivor.ini",
                         "[ini]\r\nColorMainBackGround=8454143\r\nUseDefaultFontSizeMain=0\r\n"
                         "FontSizeMain=3\r\nWhereToWriteHeader=3\r\nAddHomePageLink=1\r\n");
    test::WriteFileBytes(e.dir / "header.txt", Sjis("ヘッダー\r\n<b>表</b>"));
    LoadSettings(e.settings, e.dir.Path());
    for (int layout = 1; layout <= 3; ++layout) {
        const std::string viaDialog = e.dir.Path() + "dialog" + std::to_string(layout);
        const std::string viaCommand = e.dir.Path() + "command" + std::to_string(layout);
        e.settings.ExportHtmlPath = viaDialog;
        e.Open();
        e.Layout(layout)->click();
        e.boxes.Answer(MbAnswer::yes);
        e.Click(1015);
        ASSERT_EQ(e.boxes.m_shown.back().CaptionUtf8(), "成功");

        const std::string command = std::string("env -u DISPLAY -u WAYLAND_DISPLAY ") +
                                    KIVOR_BINARY + " export --folder '" + e.dir.Path() +
                                    "' --layout " + std::to_string(layout) + " --out '" +
                                    viaCommand + "' --yes 2>/dev/null";
        ASSERT_EQ(std::system(command.c_str()), 0);

        std::vector<std::string> pages;
        for (const auto& entry : std::filesystem::directory_iterator(viaDialog))
            pages.push_back(entry.path().filename().string());
        EXPECT_GE(pages.size(), layout == 1 ? 1u : 3u);
        EXPECT_EQ(pages.size(),
                  std::size_t(std::distance(std::filesystem::directory_iterator(viaCommand),
                                            std::filesystem::directory_iterator())));
        for (const std::string& page : pages) {
            EXPECT_EQ(test::ReadFileBytes(viaDialog + "/" + page),
                      test::ReadFileBytes(viaCommand + "/" + page))
                << "layout " << layout << ": " << page;
        }
    }
}

}  // namespace
}  // namespace kivor

#include "export_dialog_test.moc"
