// Where the diary lives (ProgramFolder): the folder named by --folder; else
// the program's own folder when a kivor.ini lies beside the program (a
// portable install); else $XDG_DATA_HOME/kivor/ (~/.local/share/kivor/),
// created when missing. The result ends in '/'.
#pragma once

#include <optional>
#include <string>

#include "platform/cp932.h"

namespace kivor {

struct DiaryFolderResult {
    bool ok = false;
    std::string folderCp932;  // ends in '/'
    std::string folderUtf8;   // the same, as the file system spells it
};

// folderOption: the --folder argument (UTF-8) when given. programPath: the
// running program's path (UTF-8), "" when unknown. env: getenv.
// Fails (ok false) when the folder name cannot be held in CP932; the caller
// then shows "exe 名,プログラム名が不正です。" and exits with code 1.
DiaryFolderResult ResolveDiaryFolder(const std::optional<std::string>& folderOption,
                                     const std::string& programPath);

// The running program's own path (/proc/self/exe), "" when unknown.
std::string RunningProgramPath();

}  // namespace kivor

namespace kivor {
KIVOR_CP932_TEXT(kBadProgramNameMessage, "exe 名,プログラム名が不正です。")
}  // namespace kivor
