#include "settings/page_general.h"

#include <QCheckBox>

#include "settings/page_controls.h"

namespace kivor {

CPageGeneral::CPageGeneral(Settings& settings, std::function<void()> resortTree)
    : PropertyPage(QStringLiteral("一般"), QSize(250, 110)),
      m_settings(settings),
      m_resortTree(std::move(resortTree)) {}

void CPageGeneral::OnInitDialog() {
    // Top to bottom.
    m_promptToSave = MakeCheckBox(this, 1013, QStringLiteral("ページを移動するときに保存を確認"),
                                  Dlu(15, 15, 220, 10));
    m_showWriteHereMessage = MakeCheckBox(
        this, 1014, QStringLiteral("<ここに日記を書いてください>のメッセージを表示しない"),
        Dlu(15, 32, 220, 10));
    m_yearOrderOlder =
        MakeCheckBox(this, 1063, QStringLiteral("昔の順に表示(例：2001年、2002年、2003年・・・)"),
                     Dlu(15, 49, 220, 10));
    m_defaultDateYesterday = MakeCheckBox(
        this, 1068, QStringLiteral("日記を書く時は昨日の日記を書く"), Dlu(15, 66, 220, 10));
    m_newerIsUpper = MakeCheckBox(this, 1070, QStringLiteral("新しい日を上に表示で書き出し"),
                                  Dlu(15, 83, 220, 10));

    SetCheck(m_showWriteHereMessage, m_settings.ShowWriteHereMessage);
    SetCheck(m_yearOrderOlder, m_settings.YearOrderOlder);
    // Only exactly 1 asks before leaving an entry, so only 1 shows ticked.
    SetCheck(m_promptToSave, m_settings.PromptToSave == 1 ? 1 : 0);
    SetCheck(m_defaultDateYesterday, m_settings.SetDefaultDateYesterday);
    SetCheck(m_newerIsUpper, m_settings.NewerIsUpper);

    // Only these three boxes mark the page changed; 1063 and 1070 have no
    // handler, yet OK and Apply store them like the others.
    for (QCheckBox* box : {m_promptToSave, m_showWriteHereMessage, m_defaultDateYesterday}) {
        connect(box, &QCheckBox::clicked, this, [this] { OnSettingChanged(); });
    }
}

bool CPageGeneral::OnApply() {
    m_settings.ShowWriteHereMessage = GetCheck(m_showWriteHereMessage);
    m_settings.YearOrderOlder = GetCheck(m_yearOrderOlder);
    m_settings.PromptToSave = GetCheck(m_promptToSave);
    m_settings.NewerIsUpper = GetCheck(m_newerIsUpper);
    m_settings.SetDefaultDateYesterday = GetCheck(m_defaultDateYesterday);
    // The tree shows the order at once, on every apply.
    if (m_resortTree) m_resortTree();
    return true;
}

}  // namespace kivor
