// The string table: status-bar prompts and tool tips of the commands, and
// the other fixed texts of the windows, keyed by resource ID.
#pragma once

#include <QString>

namespace kivor {

// The whole string ("prompt\ntool tip"), or the empty text when the ID has
// no string.
QString LoadString(int id);

// The part before "\n" (the status-bar prompt) and the part after it (the
// tool tip).
QString CommandPrompt(int id);
QString CommandToolTip(int id);

// String 57345, the idle text of the status bar's first pane.
inline constexpr int kIdsIdleMessage = 57345;
// String 57344, the application title.
inline constexpr int kIdsAppTitle = 57344;

}  // namespace kivor
