// The export dialog "日記を HTML ファイルへ書き出し": the page layout, the
// export folder, the main file name and the page title; starts the export,
// opens the result as a preview and reaches the detailed options.
#pragma once

#include <QDialog>

#include "diary/calendar_tree.h"
#include "settings/settings.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace kivor {

class CExportHtmlDlg : public QDialog {
    Q_OBJECT
  public:
    CExportHtmlDlg(Settings& settings, CalendarTree& tree, QWidget* parent = nullptr);

    int m_nLayout = 1;  // the chosen layout, 1 to 3

    // Button 1 "閉じる" and Enter: stores the four values and closes.
    void accept() override;

    // The prompt of the folder chooser.
    static QString BrowsePrompt();

  private:
    void OnInitDialog();
    void OnLayout1();
    void OnLayout2();
    void OnLayout3();
    void OnStartExport();
    void OnPreview();
    void OnBrowseFolder();
    void OnResetDefaults();
    void ShowExportDetailsSheet();

    Settings& m_settings;
    CalendarTree& m_tree;
    QLineEdit* m_title = nullptr;        // 1062
    QLineEdit* m_mainFile = nullptr;     // 1054
    QCheckBox* m_compactHtml = nullptr;  // 1053, hidden and disabled, never used
    QLineEdit* m_folder = nullptr;       // 1037
    QRadioButton* m_layout1 = nullptr;   // 1016
    QRadioButton* m_layout2 = nullptr;   // 1017
    QRadioButton* m_layout3 = nullptr;   // 1018
};

// Runs the export dialog modally (the main frame's commands 148 and 32779).
void RunExportDialog(QWidget* parent, Settings& settings, CalendarTree& tree);

}  // namespace kivor
