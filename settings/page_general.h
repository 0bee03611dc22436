// The general options page (tab "一般"): five boxes bound to settings.
#pragma once

#include <functional>

#include "platform/property_sheet.h"
#include "settings/settings.h"

class QCheckBox;

namespace kivor {

class CPageGeneral : public PropertyPage {
    Q_OBJECT
  public:
    // `resortTree` re-orders the calendar tree's years and months after every
    // apply.
    CPageGeneral(Settings& settings, std::function<void()> resortTree);

    bool OnApply() override;

  protected:
    void OnInitDialog() override;

  private:
    Settings& m_settings;
    std::function<void()> m_resortTree;
    QCheckBox* m_promptToSave = nullptr;          // 1013
    QCheckBox* m_showWriteHereMessage = nullptr;  // 1014
    QCheckBox* m_yearOrderOlder = nullptr;        // 1063
    QCheckBox* m_defaultDateYesterday = nullptr;  // 1068
    QCheckBox* m_newerIsUpper = nullptr;          // 1070
};

}  // namespace kivor
