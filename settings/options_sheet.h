// The two option sheets: "オプション" with the general page, opened by the
// main frame, and "細かい設定" with the colour and font, header and footer,
// and link pages, opened by the export dialog. Both open on their first
// page; the pages store into the settings on OK and Apply, nothing is
// written to disk here.
#pragma once

#include <QWidget>
#include <functional>
#include <memory>

#include "platform/property_sheet.h"
#include "settings/settings.h"

namespace kivor {

// The sheet "オプション". `resortTree` re-orders the calendar tree's years and
// months; it runs after every OK or Apply.
std::unique_ptr<PropertySheet> MakeOptionsSheet(QWidget* parent, Settings& settings,
                                                std::function<void()> resortTree);

// The sheet "細かい設定".
std::unique_ptr<PropertySheet> MakeExportDetailsSheet(QWidget* parent, Settings& settings);

// Run the sheets modally (the main frame's command 32773, the export
// dialog's button 1027). The result is not needed: the pages have stored
// whatever was applied.
void RunOptionsSheet(QWidget* parent, Settings& settings, std::function<void()> resortTree);
void RunExportDetailsSheet(QWidget* parent, Settings& settings);

}  // namespace kivor
