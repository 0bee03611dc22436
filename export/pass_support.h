// What the three layout passes share: page placement of the header and
// footer, reading a day's entry, and reporting a failure.
#pragma once

#include <initializer_list>
#include <string>

#include "export/page_file.h"
#include "platform/file.h"
#include "platform/message_box.h"
#include "settings/settings.h"

namespace kivor {

// WhereToWriteHeader / WhereToWriteFooter: 1 and 3 select the list pages,
// 2 and 3 the entry pages; any other value selects neither.
inline bool ListPagesGet(int32_t where) {
    return where == 1 || where == 3;
}
inline bool EntryPagesGet(int32_t where) {
    return where == 2 || where == 3;
}

// The year and month of "no day written yet": a text no label yields, so the
// first year and month always count as new.
inline const std::string& NoDayYet() {
    static const std::string x = "x";
    return x;
}

// The whole text of the day's entry file; a failed read throws the
// FileException of that file (errno and its full path).
std::string ReadDayText(const Settings& settings, const std::string& dateKey);

// Ends a pass on `failure`: first writes what the open pages have assembled
// (pages begun stay as far as they got), then shows the system's text for
// the error and `message` followed by the file's name. When writing one of
// those pages fails as well, that earlier failure is the one reported.
void ReportPassFailure(MessageBoxService& boxes, const std::string& message, FileException failure,
                       std::initializer_list<PageFile*> openPages);

}  // namespace kivor
