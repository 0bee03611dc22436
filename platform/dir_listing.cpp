#include "platform/dir_listing.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "platform/file.h"

namespace kivor {

std::vector<DirEntry> ListDirectory(const std::string& folderCp932, int* error) {
    std::vector<DirEntry> entries;
    std::optional<std::string> native = NativePath(folderCp932);
    if (!native) {
        if (error) *error = EINVAL;
        return entries;
    }
    DIR* dir = ::opendir(native->empty() ? "." : native->c_str());
    if (!dir) {
        if (error) *error = errno;
        return entries;
    }
    const int dirFd = ::dirfd(dir);
    while (const dirent* d = ::readdir(dir)) {
        if (std::strcmp(d->d_name, ".") == 0 || std::strcmp(d->d_name, "..") == 0) continue;
        DirEntry entry;
        entry.name = d->d_name;
        if (d->d_type == DT_DIR) {
            entry.isDirectory = true;
        } else if (d->d_type == DT_UNKNOWN || d->d_type == DT_LNK) {
            // The type needs a look at the entry itself (links count as what they point to).
            struct stat st;
            entry.isDirectory = ::fstatat(dirFd, d->d_name, &st, 0) == 0 && S_ISDIR(st.st_mode);
        }
        entries.push_back(std::move(entry));
    }
    ::closedir(dir);
    if (error) *error = 0;
    return entries;
}

}  // namespace kivor
