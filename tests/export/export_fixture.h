// A diary folder for the export tests: the fixture entries of
// tests/data/export/diary, the settings of a fresh install for that folder
// and the export folder "out" inside it.
#pragma once

#include <map>
#include <string>

#include "diary/calendar_tree.h"
#include "export/export_run.h"
#include "platform/recording_message_box.h"
#include "settings/settings.h"
#include "support/temp_dir.h"

namespace kivor::test {

// tests/data/export/ + name.
std::string ExportDataPath(const std::string& name);

// Every file of a folder (name -> bytes), sub-folders left out.
std::map<std::string, std::string> FilesIn(const std::string& folder);

// The product's home page in the expected pages, replaced by the one this
// build was configured with.
std::string WithBuildHomePage(std::string page);

struct ExportFixture {
    ExportFixture();

    // Copies the fixture's entry files into the diary folder.
    void AddFixtureEntries();
    // Lists the entry files and builds the tree from them.
    void BuildTree();
    // The run's inputs: the export folder, the stored main file name and
    // title, and `layout`.
    ExportInputs Inputs(int layout) const;
    ExportResult Run(int layout) { return RunExport(settings, tree, Inputs(layout), boxes); }

    TempDir dir;
    std::string out;  // the export folder, without a final '/'
    Settings settings;
    CalendarTree tree;
    RecordingMessageBox boxes;
};

}  // namespace kivor::test
