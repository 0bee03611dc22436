// Opening a URL or a file with the program the desktop associates with it.
#pragma once

#include <QString>
#include <functional>

namespace kivor {

// Opens a URL, or a local file given by its path. True on success.
bool OpenUrlOrFile(const QString& target);

// Test seam: replaces the desktop's opener (nullptr restores it).
void SetUrlOpener(std::function<bool(const QString&)> opener);

}  // namespace kivor
