#include "app/title_view.h"

#include "app/banner_text.h"
#include "app/window_globals.h"
#include "platform/cp932.h"
#include "platform/dialog_units.h"
#include "platform/qt_text.h"

using namespace kivor;

namespace {

QLineEdit* MakeReadOnlyBox(QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setReadOnly(true);
    return box;
}

}  // namespace

CTitleView::CTitleView(QWidget* parent) : QWidget(parent) {
    // A child form of 187 x 29 dialog units in an 11-point gothic.
    const QFont font = DialogFont(11);
    setFont(font);
    const DialogUnits units(font);
    m_editDate = MakeReadOnlyBox(this);
    m_editDate->setGeometry(units.Rect(5, 10, 80, 15));
    m_editWeekday = MakeReadOnlyBox(this);
    m_editWeekday->setGeometry(units.Rect(90, 10, 15, 15));
    m_labelWeekday = new QLabel(QStringLiteral("曜日"), this);
    m_labelWeekday->setGeometry(units.Rect(110, 15, 15, 8));
    m_labelWeekday->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The label's box is small; let the text show whole.
    m_labelWeekday->adjustSize();
    setMinimumSize(0, 0);
    g_pTitleView = this;
}

void CTitleView::SetDate(std::string key) {
    const BannerText text = MakeBannerText(key);
    m_editDate->setText(FromCp932(text.date));
    m_editWeekday->setText(FromCp932(text.weekday));
}
