#include "app/export_command.h"

#include <optional>

#include "diary/calendar_tree.h"
#include "diary/entry_store.h"
#include "export/export_run.h"
#include "platform/cp932.h"
#include "platform/diary_folder.h"
#include "settings/settings.h"

namespace kivor {

namespace {

// An option's UTF-8 text as CP932; reports and gives nullopt when CP932
// cannot hold it.
std::optional<std::string> OptionText(const char* name, const std::string& utf8) {
    std::optional<std::string> cp932 = Utf8ToCp932(utf8);
    if (!cp932)
        std::fprintf(stderr, "kivor: %s holds a character that Shift-JIS (CP932) cannot hold\n",
                     name);
    return cp932;
}

}  // namespace

MbAnswer StreamMessageBox::Show(const std::string& text, const std::string& caption,
                                MbButtons buttons, MbIcon) {
    MbAnswer answer = MbAnswer::ok;
    const char* shownAnswer = "";
    switch (buttons) {
        case MbButtons::ok:
            answer = MbAnswer::ok;
            break;
        case MbButtons::okCancel:
            answer = MbAnswer::cancel;
            shownAnswer = " [Cancel]";
            break;
        case MbButtons::yesNo:
            answer = m_yes ? MbAnswer::yes : MbAnswer::no;
            shownAnswer = m_yes ? " [Yes]" : " [No]";
            break;
    }
    std::fprintf(m_stream, "%s: %s%s\n", Cp932ToUtf8Lossy(caption).c_str(),
                 Cp932ToUtf8Lossy(text).c_str(), shownAnswer);
    std::fflush(m_stream);
    return answer;
}

int RunExportCommand(const CommandLine& line) {
    if (line.exportHelp) {
        std::fputs(ExportUsageText().c_str(), stdout);
        return 0;
    }
    StreamMessageBox boxes(stderr, line.yes);

    const DiaryFolderResult folder = ResolveDiaryFolder(line.folder, RunningProgramPath());
    if (!folder.ok) {
        AppMessageBox(boxes, kBadProgramNameMessage());
        return 1;
    }

    Settings settings;
    LoadSettings(settings, folder.folderCp932);

    ExportInputs inputs;
    inputs.folder = settings.ExportHtmlPath;
    inputs.mainFileName = settings.HtmlTopFileName;
    inputs.title = settings.HtmlTitle;
    inputs.layout = settings.ExportHtmlType;
    if (line.out) {
        std::optional<std::string> text = OptionText("--out", *line.out);
        if (!text) return 2;
        inputs.folder = *text;
    }
    if (line.mainName) {
        std::optional<std::string> text = OptionText("--main", *line.mainName);
        if (!text) return 2;
        inputs.mainFileName = *text;
    }
    if (line.title) {
        std::optional<std::string> text = OptionText("--title", *line.title);
        if (!text) return 2;
        inputs.title = *text;
    }
    if (line.layout) inputs.layout = *line.layout;

    CalendarTree tree(settings);
    tree.Build(ListEntryDates(settings.ProgramFolder));

    // The settings changed by the run stay in memory: nothing is saved.
    return RunExport(settings, tree, inputs, boxes) == ExportResult::succeeded ? 0 : 1;
}

}  // namespace kivor
