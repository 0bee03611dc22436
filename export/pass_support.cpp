#include "export/pass_support.h"

#include <optional>

#include "diary/entry_date.h"
#include "diary/entry_store.h"
#include "export/page_layouts.h"

namespace kivor {

std::string ExportPagePath(const Settings& settings, const std::string& name) {
    return settings.ExportHtmlPath + "/" + name;
}

std::string ReadDayText(const Settings& settings, const std::string& dateKey) {
    int error = 0;
    std::optional<std::string> text =
        ReadEntry(settings.ProgramFolder, ParseDateKey(dateKey), &error);
    if (!text)
        throw FileException(FileCauseFromErrno(error), error,
                            EntryFilePath(settings.ProgramFolder, dateKey));
    return std::move(*text);
}

void ReportPassFailure(MessageBoxService& boxes, const std::string& message, FileException failure,
                       std::initializer_list<PageFile*> openPages) {
    std::optional<FileException> earlier;
    for (PageFile* page : openPages) {
        std::optional<FileException> writeFailure = page->Abandon();
        if (writeFailure && !earlier) earlier = std::move(writeFailure);
    }
    const FileException& reported = earlier ? *earlier : failure;
    ShowLastError(boxes, reported.m_lOsError);
    AppMessageBox(boxes, message + reported.m_strFileName);
}

}  // namespace kivor
