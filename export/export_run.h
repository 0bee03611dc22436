// The export run: validates the folder and main file name, stores them in
// the settings, collects the tree's labels in display order, offers to
// create a missing folder and runs the pass of the chosen layout, reporting
// through the message-box service.
#pragma once

#include <string>

#include "diary/calendar_tree.h"
#include "platform/message_box.h"
#include "settings/settings.h"

namespace kivor {

// The run's four inputs (CP932), as the export dialog's boxes and layout
// buttons hold them.
struct ExportInputs {
    std::string folder;        // box 1037
    std::string mainFileName;  // box 1054
    std::string title;         // box 1062
    int layout = 1;            // 1, 2 or 3
};

enum class ExportResult {
    succeeded,  // "成功" was shown
    stopped,    // an empty box, or the missing folder not created
    failed,     // a file failure of the pass was reported
};

ExportResult RunExport(Settings& settings, CalendarTree& tree, const ExportInputs& inputs,
                       MessageBoxService& boxes);

}  // namespace kivor
