#include "export/export_dialog.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "export/export_run.h"
#include "export/layout_sketch.h"
#include "platform/cp932.h"
#include "platform/dialog_units.h"
#include "platform/folder_chooser.h"
#include "platform/message_box.h"
#include "platform/qt_text.h"
#include "platform/url_opener.h"
#include "settings/cp932_line_edit.h"
#include "settings/options_sheet.h"
#include "settings/page_controls.h"

namespace kivor {

namespace {
KIVOR_CP932_TEXT(kPreviewSuffix, "をプレビューとして開きます。")
KIVOR_CP932_TEXT(kConfirmCaption, "確認")
KIVOR_CP932_TEXT(kDefaultTitle, "私の日記")
KIVOR_CP932_TEXT(kFolderNotUsable,
                 "選択したフォルダは使用できません。フォルダの名前が長すぎるか、"
                 "使用できない文字を含んでいます。")

}  // namespace

QString CExportHtmlDlg::BrowsePrompt() {
    return QStringLiteral("HTML ファイル書き出しフォルダを選択してください。");
}

CExportHtmlDlg::CExportHtmlDlg(Settings& settings, CalendarTree& tree, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_tree(tree) {
    setWindowTitle(QStringLiteral("日記を HTML ファイルへ書き出し"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    const QFont font = DialogFont(9);
    setFont(font);
    const DialogUnits du(font);
    setFixedSize(du.X(339), du.Y(300));

    // The controls in tab order.
    auto* start = MakeButton(this, 1015, QStringLiteral("日記ファイル (HTMLファイル) 作成の開始"),
                             du.Rect(10, 10, 135, 25));
    auto* preview = MakeButton(this, 1056, QStringLiteral("プレビュー"), du.Rect(155, 10, 50, 25));
    m_layout1 = MakeRadioButton(this, 1016, QStringLiteral("タイプ1"), du.Rect(10, 75, 37, 10));
    m_layout2 = MakeRadioButton(this, 1017, QStringLiteral("タイプ2"), du.Rect(145, 75, 37, 10));
    m_layout3 = MakeRadioButton(this, 1018, QStringLiteral("タイプ3"), du.Rect(10, 130, 37, 10));
    m_folder = MakeLineEdit(this, 1037, du.Rect(5, 215, 160, 15));
    auto* browse = MakeButton(this, 1036, QStringLiteral("参照"), du.Rect(175, 215, 40, 15));
    m_mainFile = MakeLineEdit(this, 1054, du.Rect(90, 245, 75, 15));
    m_title = MakeLineEdit(this, 1062, du.Rect(90, 275, 100, 15));
    auto* details = MakeButton(this, 1027, QStringLiteral("細かい設定"), du.Rect(250, 210, 80, 20));
    auto* reset =
        MakeButton(this, 1055, QStringLiteral("最初の設定に戻す"), du.Rect(250, 235, 80, 20));
    auto* close = MakeButton(this, 1, QStringLiteral("閉じる"), du.Rect(270, 5, 60, 20));
    MakeLabel(this, QStringLiteral("HTML ファイルを書き出すフォルダ"), du.Rect(5, 195, 100, 8));
    MakeGroupBox(this, QString(), du.Rect(5, 60, 300, 125));
    MakeSketchControl(this, 1058, kSketchLayout1, QPoint(du.X(60), du.Y(75)));
    MakeSketchControl(this, 1059, kSketchLayout2, QPoint(du.X(190), du.Y(75)));
    m_compactHtml = MakeCheckBox(this, 1053, QStringLiteral("iモード用のコンパクトな HTML を作成"),
                                 du.Rect(255, 195, 75, 10));
    MakeLabel(this, QStringLiteral("メインの HTML ファイル名"), du.Rect(5, 250, 76, 8));
    MakeSketchControl(this, 1061, kSketchLayout3, QPoint(du.X(60), du.Y(130)));
    MakeLabel(this, QStringLiteral("タイトル名"), du.Rect(50, 280, 30, 8));
    auto* cancel = MakeButton(this, 2, QStringLiteral("キャンセル"), du.Rect(270, 30, 60, 20));

    m_compactHtml->setEnabled(false);
    m_compactHtml->setVisible(false);
    close->setDefault(true);

    connect(start, &QPushButton::clicked, this, &CExportHtmlDlg::OnStartExport);
    connect(preview, &QPushButton::clicked, this, &CExportHtmlDlg::OnPreview);
    connect(m_layout1, &QRadioButton::clicked, this, &CExportHtmlDlg::OnLayout1);
    connect(m_layout2, &QRadioButton::clicked, this, &CExportHtmlDlg::OnLayout2);
    connect(m_layout3, &QRadioButton::clicked, this, &CExportHtmlDlg::OnLayout3);
    connect(browse, &QPushButton::clicked, this, &CExportHtmlDlg::OnBrowseFolder);
    connect(details, &QPushButton::clicked, this, &CExportHtmlDlg::ShowExportDetailsSheet);
    connect(reset, &QPushButton::clicked, this, &CExportHtmlDlg::OnResetDefaults);
    connect(close, &QPushButton::clicked, this, &CExportHtmlDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CExportHtmlDlg::reject);

    OnInitDialog();
}

void CExportHtmlDlg::OnInitDialog() {
    m_nLayout = m_settings.ExportHtmlType;
    // The boxes take no more bytes than the settings that receive them hold.
    LimitBox(m_folder, kRoomExportHtmlPath);
    SetBoxBytes(m_folder, m_settings.ExportHtmlPath);
    LimitBox(m_mainFile, kRoomHtmlTopFileName);
    SetBoxBytes(m_mainFile, m_settings.HtmlTopFileName);
    LimitBox(m_title, kRoomHtmlTitle);
    SetBoxBytes(m_title, m_settings.HtmlTitle);
    // Any other value leaves every layout button clear.
    switch (m_settings.ExportHtmlType) {
        case 1:
            m_layout1->setChecked(true);
            break;
        case 2:
            m_layout2->setChecked(true);
            break;
        case 3:
            m_layout3->setChecked(true);
            break;
        default:
            break;
    }
    // The dialog opens with the focus on the first control of the tab order,
    // the Start button, as dialogs do; so Enter right after opening starts
    // the export, and Enter in a box presses "閉じる".
    if (auto* start = findChild<QPushButton*>(QStringLiteral("1015"))) start->setFocus();
}

void CExportHtmlDlg::OnLayout1() {
    m_nLayout = 1;
}
void CExportHtmlDlg::OnLayout2() {
    m_nLayout = 2;
}
void CExportHtmlDlg::OnLayout3() {
    m_nLayout = 3;
}

void CExportHtmlDlg::OnStartExport() {
    ExportInputs inputs;
    inputs.folder = BoxBytes(m_folder);
    inputs.mainFileName = BoxBytes(m_mainFile);
    inputs.title = BoxBytes(m_title);
    inputs.layout = m_nLayout;
    RunExport(m_settings, m_tree, inputs, CurrentMessageBoxService());
}

void CExportHtmlDlg::OnPreview() {
    // The boxes, not the settings; nothing is stored.
    const std::string path = BoxBytes(m_folder) + "/" + BoxBytes(m_mainFile);
    CurrentMessageBoxService().Show(path + kPreviewSuffix(), kConfirmCaption(), MbButtons::ok,
                                    MbIcon::information);
    // A folder given without its full path lies below the current folder,
    // where the export writes it; the path is opened as a file, never taken
    // for a web address.
    QString target = FromCp932(path);
    if (QDir::isRelativePath(target)) target = QDir::current().absoluteFilePath(target);
    OpenUrlOrFile(target);
}

void CExportHtmlDlg::OnBrowseFolder() {
    const auto chosen = ChooseFolder(this, BrowsePrompt(), FromCp932(m_settings.ExportHtmlPath));
    // A cancelled choice leaves the folder as it was.
    if (!chosen) return;
    const auto bytes = ToCp932(*chosen);
    if (!bytes || bytes->size() > kRoomExportHtmlPath) {
        AppMessageBox(CurrentMessageBoxService(), kFolderNotUsable());
        return;
    }
    m_settings.ExportHtmlPath = *bytes;
    SetBoxBytes(m_folder, *bytes);
}

void CExportHtmlDlg::OnResetDefaults() {
    SetBoxBytes(m_folder, m_settings.ProgramFolder + "html");
    SetBoxBytes(m_mainFile, "index.html");
    SetBoxBytes(m_title, kDefaultTitle());
}

void CExportHtmlDlg::ShowExportDetailsSheet() {
    RunExportDetailsSheet(this, m_settings);
}

void CExportHtmlDlg::accept() {
    m_settings.ExportHtmlPath = BoxBytes(m_folder);
    m_settings.HtmlTopFileName = BoxBytes(m_mainFile);
    m_settings.HtmlTitle = BoxBytes(m_title);
    m_settings.ExportHtmlType = m_nLayout;
    QDialog::accept();
}

void RunExportDialog(QWidget* parent, Settings& settings, CalendarTree& tree) {
    CExportHtmlDlg dialog(settings, tree, parent);
    dialog.exec();
}

}  // namespace kivor
