#include "platform/diary_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

namespace kivor {

namespace {

bool IsFolder(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool IsFile(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// Creates the folder and its missing parents.
void MakeFolders(const std::string& path) {
    std::error_code ec;
    std::filesystem::create_directories(path, ec);
}

std::string WithSlash(std::string path) {
    if (path.empty() || path.back() != '/') path += '/';
    return path;
}

std::string Absolute(const std::string& path) {
    if (!path.empty() && path[0] == '/') return path;
    std::error_code ec;
    std::filesystem::path cwd = std::filesystem::current_path(ec);
    if (ec) return path;
    return (cwd / path).string();
}

}  // namespace

std::string RunningProgramPath() {
    std::error_code ec;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : self.string();
}

DiaryFolderResult ResolveDiaryFolder(const std::optional<std::string>& folderOption,
                                     const std::string& programPath) {
    std::string folder;
    if (folderOption) {
        folder = WithSlash(Absolute(*folderOption));
    } else {
        std::string programFolder;
        if (!programPath.empty())
            programFolder = programPath.substr(0, programPath.find_last_of('/') + 1);
        if (!programFolder.empty() && IsFile(programFolder + "kivor.ini")) {
            folder = programFolder;
        } else {
            const char* dataHome = std::getenv("XDG_DATA_HOME");
            const char* home = std::getenv("HOME");
            if (dataHome && *dataHome && dataHome[0] == '/')
                folder = WithSlash(dataHome) + "kivor/";
            else if (home && *home)
                folder = WithSlash(home) + ".local/share/kivor/";
            else
                folder = WithSlash(Absolute("."));
        }
    }

    DiaryFolderResult result;
    // The folder's name must survive the trip to CP932 and back unchanged,
    // or the diary's files would be looked for elsewhere.
    std::optional<std::string> cp932 = Utf8ToCp932(folder);
    if (!cp932 || Cp932ToUtf8(*cp932) != folder) return result;
    if (!IsFolder(folder)) MakeFolders(folder);
    result.ok = true;
    result.folderCp932 = *cp932;
    result.folderUtf8 = folder;
    return result;
}

}  // namespace kivor
