// The header and footer page (tab "ヘッダー/フッター"): the two free texts
// of the exported pages, which pages get them, and whether their line
// breaks become <br>.
#pragma once

#include "platform/property_sheet.h"
#include "settings/settings.h"

class QCheckBox;
class QComboBox;

namespace kivor {

class Cp932TextEdit;

class CPageExportHtmlHeaderFooter : public PropertyPage {
    Q_OBJECT
  public:
    explicit CPageExportHtmlHeaderFooter(Settings& settings);

    bool OnApply() override;

    // Typing limit of the two texts, in characters.
    static constexpr int kTextLimit = 1023;

  protected:
    void OnInitDialog() override;

  private:
    Settings& m_settings;
    QCheckBox* m_disableBR = nullptr;    // 1052
    QComboBox* m_whereHeader = nullptr;  // 1050
    QComboBox* m_whereFooter = nullptr;  // 1051
    Cp932TextEdit* m_header = nullptr;   // 1022
    Cp932TextEdit* m_footer = nullptr;   // 1003
};

}  // namespace kivor
