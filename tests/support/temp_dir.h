// A fresh temporary folder for one test, removed with everything in it.
#pragma once

#include <string>

namespace kivor::test {

class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The folder, ending in '/' (UTF-8; ASCII-only, so also its CP932 name).
    const std::string& Path() const { return m_path; }
    std::string operator/(const std::string& name) const { return m_path + name; }

  private:
    std::string m_path;
};

// Whole-file helpers for tests (paths are the file system's).
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);

}  // namespace kivor::test
