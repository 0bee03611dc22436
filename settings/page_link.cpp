#include "settings/page_link.h"

#include <QCheckBox>
#include <QLineEdit>

#include "settings/cp932_line_edit.h"
#include "settings/page_controls.h"

namespace kivor {

CPageLink::CPageLink(Settings& settings)
    : PropertyPage(QStringLiteral("リンク"), QSize(280, 185)), m_settings(settings) {}

void CPageLink::OnInitDialog() {
    MakeGroupBox(this, QString(), Dlu(7, 7, 266, 62));
    m_addHomePageLink = MakeCheckBox(
        this, 1067, QStringLiteral("「ホームページへ戻る」のリンクを追加"), Dlu(15, 20, 200, 10));
    MakeLabel(this, QStringLiteral("URL"), Dlu(15, 42, 20, 8));
    m_url = MakeLineEdit(this, 1066, Dlu(40, 40, 225, 12));

    SetCheck(m_addHomePageLink, m_settings.AddHomePageLink);
    // The address is held in a field of 255 bytes: the box takes no more.
    LimitBox(m_url, kRoomUrlToHomePage);
    SetBoxBytes(m_url, m_settings.UrlToHomePage);
    m_url->setEnabled(m_settings.AddHomePageLink != 0);

    // The page never marks itself changed.
    connect(m_addHomePageLink, &QCheckBox::clicked, this, &CPageLink::OnAddHomePageLink);
}

void CPageLink::OnAddHomePageLink() {
    m_url->setEnabled(m_addHomePageLink->isChecked());
}

bool CPageLink::OnApply() {
    m_settings.AddHomePageLink = GetCheck(m_addHomePageLink);
    // Also while the box is greyed out.
    m_settings.UrlToHomePage = BoxBytes(m_url);
    return true;
}

}  // namespace kivor
