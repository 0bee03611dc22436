#include "app/about_dlg.h"

#include "platform/dialog_units.h"
#include "res/icons.h"

using namespace kivor;

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("ケルノアのバージョン情報"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    const QFont font = DialogFont(9);
    setFont(font);
    const DialogUnits units(font);

    m_icon = new QLabel(this);
    m_icon->setPixmap(AppIconPixmap(32));
    m_icon->setGeometry(units.X(11), units.Y(17), 32, 32);

    m_version = new QLabel(QStringLiteral("ケルノア バージョン 2.22"), this);
    m_version->setTextFormat(Qt::PlainText);
    m_version->setGeometry(units.Rect(40, 10, 119, 8));

    m_buttonOk = new QPushButton(QStringLiteral("OK"), this);
    m_buttonOk->setDefault(true);
    m_buttonOk->setGeometry(units.Rect(178, 7, 50, 14));
    connect(m_buttonOk, &QPushButton::clicked, this, &QDialog::accept);

    m_link = new CStaticLink(QString(), this);
    m_link->setText(QStringLiteral("ホームページへ接続"));
    m_link->setGeometry(units.Rect(40, 45, 61, 8));

    setFixedSize(units.X(235), units.Y(65));
    OnInitDialog();
}

bool CAboutDlg::OnInitDialog() {
    m_link->m_link = QStringLiteral(KIVOR_HOMEPAGE_URL);
    m_buttonOk->setFocus(Qt::OtherFocusReason);
    return true;
}
