#include "app/command_line.h"

namespace kivor {

namespace {

bool TakeValue(const std::vector<std::string>& args, size_t& i, const std::string& name,
               std::string& value, ParseResult& result) {
    const std::string& arg = args[i];
    if (arg.size() > name.size() && arg.compare(0, name.size() + 1, name + "=") == 0) {
        value = arg.substr(name.size() + 1);
        return true;
    }
    if (arg != name) return false;
    if (i + 1 >= args.size()) {
        result.ok = false;
        result.error = name + " needs a value";
        return true;
    }
    value = args[++i];
    return true;
}

}  // namespace

ParseResult ParseCommandLine(const std::vector<std::string>& args) {
    ParseResult result;
    CommandLine& line = result.line;
    size_t i = 0;
    if (!args.empty() && args[0] == "export") {
        line.mode = CommandLine::Mode::exportRun;
        i = 1;
    }
    const bool exporting = line.mode == CommandLine::Mode::exportRun;
    for (; i < args.size() && result.ok; ++i) {
        const std::string& arg = args[i];
        std::string value;
        if (arg == "--help" || arg == "-h") {
            if (exporting)
                line.exportHelp = true;
            else
                line.mode = CommandLine::Mode::help;
        } else if (arg == "--version" && !exporting) {
            line.mode = CommandLine::Mode::version;
        } else if (TakeValue(args, i, "--folder", value, result)) {
            if (result.ok) line.folder = value;
        } else if (exporting && TakeValue(args, i, "--layout", value, result)) {
            if (!result.ok) break;
            if (value == "1" || value == "2" || value == "3") {
                line.layout = value[0] - '0';
            } else {
                result.ok = false;
                result.error = "--layout must be 1, 2 or 3";
            }
        } else if (exporting && TakeValue(args, i, "--out", value, result)) {
            if (result.ok) line.out = value;
        } else if (exporting && TakeValue(args, i, "--main", value, result)) {
            if (result.ok) line.mainName = value;
        } else if (exporting && TakeValue(args, i, "--title", value, result)) {
            if (result.ok) line.title = value;
        } else if (exporting && arg == "--yes") {
            line.yes = true;
        } else if (!exporting && !arg.empty() && arg[0] == '-' && arg.rfind("--", 0) != 0) {
            // Qt's own options (-platform, -style, ...) with their values.
            line.passThrough.push_back(arg);
            if (i + 1 < args.size() && !args[i + 1].empty() && args[i + 1][0] != '-')
                line.passThrough.push_back(args[++i]);
        } else {
            result.ok = false;
            result.error = "unknown argument: " + arg;
        }
    }
    return result;
}

std::string UsageText() {
    return "Usage:\n"
           "  kivor [--folder DIR]        start the diary (ケルノア)\n"
           "  kivor export [OPTIONS]      export the diary as HTML pages, without windows\n"
           "  kivor --help | --version\n"
           "\n"
           "The diary folder holds the entry files (YYYYMMDD.kv1), kivor.ini, header.txt and\n"
           "footer.txt. It is the folder named by --folder; else the program's own folder\n"
           "when a kivor.ini lies beside the program; else $XDG_DATA_HOME/kivor/\n"
           "(~/.local/share/kivor/).\n"
           "See 'kivor export --help' for the export.\n";
}

std::string ExportUsageText() {
    return "Usage: kivor export [--folder DIR] [--layout 1|2|3] [--out DIR] [--main NAME]\n"
           "                    [--title TEXT] [--yes]\n"
           "\n"
           "Exports the diary of the diary folder as HTML pages, with the settings of its\n"
           "kivor.ini. The options override the stored export settings for this run:\n"
           "  --folder DIR     the diary folder (see 'kivor --help')\n"
           "  --layout N       page layout: 1 one page, 2 a page per day, 3 a page per month\n"
           "  --out DIR        the folder that receives the pages (ExportHtmlPath)\n"
           "  --main NAME      the file name of the main page (HtmlTopFileName)\n"
           "  --title TEXT     the page title (HtmlTitle)\n"
           "  --yes            create the export folder when it is missing (without it, a\n"
           "                   missing folder stops the run)\n"
           "Texts are taken as UTF-8 and must be writable in Shift-JIS (CP932), the\n"
           "encoding of the diary and of the pages. Messages go to standard error.\n"
           "kivor.ini, header.txt and footer.txt are never rewritten.\n"
           "Exit status: 0 success, 1 failure, 2 usage error.\n";
}

}  // namespace kivor
