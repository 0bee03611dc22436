// The link page (tab "リンク"): whether the exported pages link back to the
// user's home page, and its address.
#pragma once

#include "platform/property_sheet.h"
#include "settings/settings.h"

class QCheckBox;
class QLineEdit;

namespace kivor {

class CPageLink : public PropertyPage {
    Q_OBJECT
  public:
    explicit CPageLink(Settings& settings);

    bool OnApply() override;

  protected:
    void OnInitDialog() override;

  private:
    void OnAddHomePageLink();

    Settings& m_settings;
    QLineEdit* m_url = nullptr;              // 1066
    QCheckBox* m_addHomePageLink = nullptr;  // 1067
};

}  // namespace kivor
