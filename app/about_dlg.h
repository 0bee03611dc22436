// The About box: the program icon, name and version, and a link to the
// product's home page.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "app/static_link.h"

class CAboutDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    QLabel* m_icon;
    QLabel* m_version;
    QPushButton* m_buttonOk;
    CStaticLink* m_link;  // control 1057

  protected:
    bool OnInitDialog();
};
