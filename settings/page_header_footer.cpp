#include "settings/page_header_footer.h"

#include <QCheckBox>
#include <QComboBox>

#include "settings/cp932_text_edit.h"
#include "settings/page_controls.h"

namespace kivor {

namespace {
// Position in the list = stored value: 0 no page, 1 the list pages only,
// 2 the entry pages only, 3 both kinds.
const char* const kHeaderPlaces[] = {"どちらにもヘッダーを書かない",
                                     "一覧のページのみヘッダーを書く",
                                     "本文のページのみヘッダーを書く", "両方にヘッダーを書く"};
const char* const kFooterPlaces[] = {"どちらにもフッターを書かない",
                                     "一覧のページのみフッターを書く",
                                     "本文のページのみフッターを書く", "両方にフッターを書く"};

void FillPlaces(QComboBox* list, const char* const (&places)[4]) {
    for (const char* place : places) list->addItem(QString::fromUtf8(place));
}

// A value outside 0 to 3 leaves the list without a selection.
void SelectPlace(QComboBox* list, int32_t place) {
    list->setCurrentIndex(place >= 0 && place < list->count() ? place : -1);
}

Cp932TextEdit* MakeTextEdit(QWidget* parent, int id, const QRect& rect) {
    auto* edit = new Cp932TextEdit(parent);
    edit->setObjectName(QString::number(id));
    edit->setGeometry(rect);
    // A vertical scroll bar only; long lines scroll sideways with the caret.
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return edit;
}
}  // namespace

CPageExportHtmlHeaderFooter::CPageExportHtmlHeaderFooter(Settings& settings)
    : PropertyPage(QStringLiteral("ヘッダー/フッター"), QSize(280, 185)), m_settings(settings) {}

void CPageExportHtmlHeaderFooter::OnInitDialog() {
    MakeLabel(this, QStringLiteral("ヘッダー"), Dlu(7, 9, 40, 8));
    m_whereHeader = MakeDropDownList(this, 1050, Dlu(50, 7, 150, 12));
    m_header = MakeTextEdit(this, 1022, Dlu(7, 22, 266, 58));
    MakeLabel(this, QStringLiteral("フッター"), Dlu(7, 88, 40, 8));
    m_whereFooter = MakeDropDownList(this, 1051, Dlu(50, 86, 150, 12));
    m_footer = MakeTextEdit(this, 1003, Dlu(7, 101, 266, 58));
    MakeLabel(this, QStringLiteral("HTMLのタグを利用することができます。"), Dlu(7, 163, 200, 8));
    m_disableBR =
        MakeCheckBox(this, 1052, QStringLiteral("改行を無視する (改行を<BR>に変換しない)"),
                     Dlu(7, 173, 220, 10));

    FillPlaces(m_whereHeader, kHeaderPlaces);
    FillPlaces(m_whereFooter, kFooterPlaces);

    m_footer->SetTextBytes(m_settings.FooterText);
    m_header->SetTextBytes(m_settings.HeaderText);
    m_footer->SetTypingLimit(kTextLimit);
    m_header->SetTypingLimit(kTextLimit);
    SelectPlace(m_whereFooter, m_settings.WhereToWriteFooter);
    SelectPlace(m_whereHeader, m_settings.WhereToWriteHeader);
    SetCheck(m_disableBR, m_settings.DisableBR);

    // Filling the controls is not a change; what the user does from now on is.
    auto changed = [this] { OnSettingChanged(); };
    connect(m_footer, &Cp932TextEdit::textChanged, this, changed);
    connect(m_header, &Cp932TextEdit::textChanged, this, changed);
    connect(m_disableBR, &QCheckBox::clicked, this, changed);
    connect(m_whereFooter, &QComboBox::currentIndexChanged, this, changed);
    connect(m_whereHeader, &QComboBox::currentIndexChanged, this, changed);
}

bool CPageExportHtmlHeaderFooter::OnApply() {
    m_settings.FooterText = m_footer->TextBytes();
    m_settings.HeaderText = m_header->TextBytes();
    m_settings.WhereToWriteFooter = m_whereFooter->currentIndex();
    m_settings.WhereToWriteHeader = m_whereHeader->currentIndex();
    m_settings.DisableBR = GetCheck(m_disableBR);
    return true;
}

}  // namespace kivor
