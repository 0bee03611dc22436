#include "export/export_run.h"

#include <cctype>
#include <filesystem>
#include <optional>

#include "export/export_texts.h"
#include "export/page_layouts.h"
#include "platform/file.h"

namespace kivor {

namespace {

bool SameFile(const std::string& nativeA, const std::string& nativeB) {
    std::error_code ec;
    return std::filesystem::equivalent(nativeA, nativeB, ec) && !ec;
}

// True when the main page would overwrite one of the diary's own files: an
// entry file (or a file that would be listed as one) in the diary folder,
// kivor.ini, header.txt or footer.txt. The export folder defaults to the
// diary folder, so one mistyped name could cost a day's entry.
bool MainPageIsDiaryFile(const Settings& settings, const std::string& mainPagePath) {
    const std::optional<std::string> target = NativePath(mainPagePath);
    if (!target) return false;  // the pass reports a path it cannot open
    for (const char* name : {"kivor.ini", "header.txt", "footer.txt"}) {
        const std::optional<std::string> own = NativePath(settings.ProgramFolder + name);
        if (own && SameFile(*target, *own)) return true;
    }
    const std::filesystem::path path(*target);
    std::string extension = path.extension().string();
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const std::optional<std::string> diary = NativePath(settings.ProgramFolder);
    return extension == ".kv1" && diary && SameFile(path.parent_path().string(), *diary);
}

// Creates (or empties) the main page and closes it at once. Gives false
// when the folder is missing and was not created: the run then stops.
bool ProbeExportFolder(const Settings& settings, MessageBoxService& boxes) {
    try {
        File probe(ExportPagePath(settings, settings.HtmlTopFileName),
                   File::modeCreate | File::modeWrite);
        probe.Close();
        return true;
    } catch (const FileException& e) {
        // Any other cause is left to the pass, which meets it again and reports it.
        if (e.m_cause != FileCause::badPath) return true;
    }
    const MbAnswer answer =
        boxes.Show(kFolderQuestionStart() + settings.ExportHtmlPath + kFolderQuestionEnd(),
                   kCaptionConfirm(), MbButtons::yesNo, MbIcon::question);
    if (answer != MbAnswer::yes) return false;
    if (MakeFolder(settings.ExportHtmlPath) != 0) {
        AppMessageBox(boxes, kMakeFolderFailed());
        return false;
    }
    return true;
}

}  // namespace

ExportResult RunExport(Settings& settings, CalendarTree& tree, const ExportInputs& inputs,
                       MessageBoxService& boxes) {
    if (inputs.folder.empty()) {
        boxes.Show(kNoExportFolder(), kCaptionCaution(), MbButtons::ok, MbIcon::exclamation);
        return ExportResult::stopped;
    }
    settings.ExportHtmlPath = inputs.folder;
    if (inputs.mainFileName.empty()) {
        boxes.Show(kNoMainFileName(), kCaptionCaution(), MbButtons::ok, MbIcon::exclamation);
        return ExportResult::stopped;
    }
    if (MainPageIsDiaryFile(settings, settings.ExportHtmlPath + "/" + inputs.mainFileName)) {
        boxes.Show(kMainFileIsDiaryFile(), kCaptionCaution(), MbButtons::ok, MbIcon::exclamation);
        return ExportResult::stopped;
    }
    settings.HtmlTopFileName = inputs.mainFileName;

    tree.ClearLabels();
    tree.CollectLabels(tree.Root());
    if (settings.NewerIsUpper != 0) tree.PutNewerDaysFirst();

    if (!ProbeExportFolder(settings, boxes)) return ExportResult::stopped;

    const PassInputs pass{settings, tree.Labels(), inputs.title};
    bool written = true;
    switch (inputs.layout) {
        case 1:
            written = ExportLayout1(pass, boxes);
            break;
        case 2:
            written = ExportLayout2(pass, boxes);
            break;
        case 3:
            written = ExportLayout3(pass, boxes);
            break;
        default:
            break;  // no pass: only the probe's empty main page
    }
    if (!written) return ExportResult::failed;

    boxes.Show(kExportDone(), kCaptionSuccess(), MbButtons::ok, MbIcon::information);
    return ExportResult::succeeded;
}

}  // namespace kivor
