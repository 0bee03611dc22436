// The colour and font page (tab "フォント(色、大きさ)の選択"): the text and
// background colours of the exported pages' body and title bars, and the
// font size of each or none ("普通の大きさ").
#pragma once

#include <cstdint>

#include "platform/property_sheet.h"
#include "settings/settings.h"

class QCheckBox;
class QLineEdit;

namespace kivor {

class CColorSample;

class CPageColor : public PropertyPage {
    Q_OBJECT
  public:
    explicit CPageColor(Settings& settings);

    bool OnApply() override;

    // Hands the working colours to the samples and enables each size box
    // exactly when its normal-size box is clear.
    void UpdateControls();

    // The values of "最初の設定に戻す".
    static constexpr int32_t kResetMainBackGround = 8454143;    // light yellow
    static constexpr int32_t kResetMainLetter = 0;              // black
    static constexpr int32_t kResetTitleBackGround = 16776960;  // cyan
    static constexpr int32_t kResetTitleLetter = 16777215;      // white

  protected:
    void OnInitDialog() override;

  private:
    void OnMainLetterColor();       // 1031
    void OnMainBackGroundColor();   // 1032
    void OnTitleLetterColor();      // 1033
    void OnTitleBackGroundColor();  // 1034
    void OnUseDefaultSizeMain();    // 1042
    void OnUseDefaultSizeTitle();   // 1043
    void OnResetDefaults();         // 1029
    void ChooseInto(int32_t& workingColor);

    Settings& m_settings;
    // Working copies; they reach the settings on OK or Apply.
    int32_t m_mainLetterColor = 0;
    int32_t m_mainBackGroundColor = 0;
    int32_t m_titleLetterColor = 0;
    int32_t m_titleBackGroundColor = 0;
    QLineEdit* m_titleSize = nullptr;        // 1003
    QLineEdit* m_mainSize = nullptr;         // 1044
    QCheckBox* m_titleNormalSize = nullptr;  // 1043
    QCheckBox* m_mainNormalSize = nullptr;   // 1042
    CColorSample* m_titleSample = nullptr;   // 1040
    CColorSample* m_mainSample = nullptr;    // 1038
};

}  // namespace kivor
