#include "diary/new_entry_dlg.h"

#include "app/main_frame.h"
#include "app/window_globals.h"
#include "diary/entry_date.h"
#include "platform/dialog_units.h"

using namespace kivor;

namespace {

QDate ToQDate(const EntryDate& date) {
    return QDate(date.year, date.month, date.day);
}

}  // namespace

CNewEntryDlg::CNewEntryDlg(const Settings* settings, QWidget* parent)
    : QDialog(parent), m_settings(settings) {
    if (!m_settings && g_pMainFrame) m_settings = &g_pMainFrame->GetSettings();
    setWindowTitle(QStringLiteral("新しい日記"));
    const QFont font = DialogFont(9);
    setFont(font);
    const DialogUnits units(font);

    // The picker first: it has the focus when the dialog opens.
    m_dateCtrl = new QDateEdit(this);
    m_dateCtrl->setObjectName(QStringLiteral("dateCtrl"));
    m_dateCtrl->setCalendarPopup(true);
    m_dateCtrl->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    m_dateCtrl->setDateRange(ToQDate(kFirstSupportedDate), ToQDate(kLastSupportedDate));
    m_dateCtrl->setGeometry(units.Rect(7, 26, 90, 14));

    m_buttonOk = new QPushButton(QStringLiteral("OK"), this);
    m_buttonOk->setDefault(true);
    m_buttonOk->setGeometry(units.Rect(44, 49, 50, 14));
    m_buttonCancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    m_buttonCancel->setGeometry(units.Rect(98, 49, 50, 14));

    m_editToday = new QLineEdit(this);
    m_editToday->setObjectName(QStringLiteral("editToday"));
    m_editToday->setReadOnly(true);
    m_editToday->setFocusPolicy(Qt::ClickFocus);
    m_editToday->setGeometry(units.Rect(7, 7, 141, 13));

    connect(m_buttonOk, &QPushButton::clicked, this, &CNewEntryDlg::accept);
    connect(m_buttonCancel, &QPushButton::clicked, this, &CNewEntryDlg::reject);
    setFixedSize(units.X(155), units.Y(70));
    OnInitDialog();
}

bool CNewEntryDlg::OnInitDialog() {
    const EntryDate today = Today();
    EntryDate initial = today;
    if (m_settings && m_settings->SetDefaultDateYesterday != 0) initial = today.AddDays(-1);
    m_dateCtrl->setDate(ToQDate(initial));
    m_editToday->setText(
        QStringLiteral("今日は %1年%2月%3日 です").arg(today.year).arg(today.month).arg(today.day));
    m_dateCtrl->setFocus(Qt::OtherFocusReason);
    return true;
}

void CNewEntryDlg::accept() {
    OnOK();
}

void CNewEntryDlg::OnOK() {
    if (m_pFrame) m_pFrame->m_timeNewEntry = m_dateCtrl->date();
    QDialog::accept();
}
