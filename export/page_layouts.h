// The passes of the three page layouts. Each writes the pages of its layout
// into ExportHtmlPath from the label sequence and the page title, reading
// every day's entry file from the diary folder. A file failure is reported
// through `boxes` (the system's text, then the layout's message with the
// file's name) and ends the pass: the pass then returns false. Layout 3
// reports a failure while finishing its last month page (021) and goes on.
#pragma once

#include <string>
#include <vector>

#include "platform/message_box.h"
#include "settings/settings.h"

namespace kivor {

struct PassInputs {
    const Settings& settings;
    const std::vector<std::string>& labels;  // ExportLabel texts, display order
    const std::string& title;                // the page title, CP932
};

bool ExportLayout1(const PassInputs& in, MessageBoxService& boxes);  // one page
bool ExportLayout2(const PassInputs& in, MessageBoxService& boxes);  // index + day pages
bool ExportLayout3(const PassInputs& in, MessageBoxService& boxes);  // index + month pages

// ExportHtmlPath + "/" + name.
std::string ExportPagePath(const Settings& settings, const std::string& name);

}  // namespace kivor
