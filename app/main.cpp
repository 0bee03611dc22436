// kivor: the desktop diary, or with "export" the headless HTML export.
#include <cstdio>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/desktop_main.h"
#include "app/export_command.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    kivor::ParseResult parsed = kivor::ParseCommandLine(args);
    if (!parsed.ok) {
        const bool exporting = parsed.line.mode == kivor::CommandLine::Mode::exportRun;
        std::fprintf(stderr, "kivor: %s\n%s", parsed.error.c_str(),
                     exporting ? kivor::ExportUsageText().c_str() : kivor::UsageText().c_str());
        return 2;
    }
    const kivor::CommandLine& line = parsed.line;
    switch (line.mode) {
        case kivor::CommandLine::Mode::help:
            std::fputs(kivor::UsageText().c_str(), stdout);
            return 0;
        case kivor::CommandLine::Mode::version:
            std::printf("kivor %s\n", KIVOR_VERSION_TEXT);
            return 0;
        case kivor::CommandLine::Mode::exportRun:
            // The headless export: no Qt on this path, so it needs no display.
            return kivor::RunExportCommand(line);
        case kivor::CommandLine::Mode::desktop:
            break;
    }
    return kivor::RunDesktop(line, argv[0]);
}
