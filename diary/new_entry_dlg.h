// The dialog "新しい日記": picks the date of a new entry.
#pragma once

#include <QDateEdit>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include "settings/settings.h"

class CMainFrame;

class CNewEntryDlg : public QDialog {
    Q_OBJECT

  public:
    // settings: SetDefaultDateYesterday picks the initial date.
    explicit CNewEntryDlg(const kivor::Settings* settings = nullptr, QWidget* parent = nullptr);

    // Stores the picked date in m_pFrame's m_timeNewEntry, then closes with OK.
    void accept() override;

    QDateEdit* m_dateCtrl;   // control 1011
    QLineEdit* m_editToday;  // control 1045
    QPushButton* m_buttonOk;
    QPushButton* m_buttonCancel;
    CMainFrame* m_pFrame = nullptr;

  protected:
    bool OnInitDialog();
    void OnOK();

  private:
    const kivor::Settings* m_settings;
};
