// The command line:
//   kivor [--folder DIR]                  the desktop program
//   kivor export [--folder DIR] [--layout 1|2|3] [--out DIR] [--main NAME]
//                [--title TEXT] [--yes]   the export run, without windows
//   kivor --help | --version
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kivor {

struct CommandLine {
    enum class Mode { desktop, exportRun, help, version };
    Mode mode = Mode::desktop;
    bool exportHelp = false;            // kivor export --help
    std::optional<std::string> folder;  // UTF-8, as typed
    // export only; UTF-8 as typed
    std::optional<int> layout;
    std::optional<std::string> out;
    std::optional<std::string> mainName;
    std::optional<std::string> title;
    bool yes = false;
    // Arguments left for Qt (desktop mode), e.g. -platform offscreen.
    std::vector<std::string> passThrough;
};

struct ParseResult {
    bool ok = true;
    std::string error;  // UTF-8, for standard error; usage error exits with 2
    CommandLine line;
};

ParseResult ParseCommandLine(const std::vector<std::string>& args);

std::string UsageText();        // UTF-8
std::string ExportUsageText();  // UTF-8

}  // namespace kivor
