#include "export/export_run.h"

#include "export/export_texts.h"
#include "export/page_layouts.h"
#include "platform/file.h"

namespace kivor {

namespace {

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
