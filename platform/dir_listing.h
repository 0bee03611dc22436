// Listing the entries of one folder.
#pragma once

#include <string>
#include <vector>

namespace kivor {

struct DirEntry {
    std::string name;  // bare name, as the file system spells it (UTF-8 on Linux)
    bool isDirectory = false;
};

// The entries of a folder (CP932 path) without "." and "..", in the order
// the system gives them. A folder that cannot be read gives an empty list and
// sets *error to errno.
std::vector<DirEntry> ListDirectory(const std::string& folderCp932, int* error = nullptr);

}  // namespace kivor
