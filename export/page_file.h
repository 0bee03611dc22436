// A page of the export, assembled in memory and written with one write.
//
// The pages keep the on-disk life of pages written by many small appends:
// a page is created (or emptied) or opened for appending at the moment the
// layout opens it, and its bytes reach the file when the layout closes it.
// When a pass stops on a failure, Abandon() writes what has been assembled
// so far, so the unfinished page holds exactly what it would hold had every
// fragment gone to the file at once.
#pragma once

#include <optional>
#include <string>

#include "platform/file.h"

namespace kivor {

class PageFile {
  public:
    PageFile() = default;
    PageFile(const PageFile&) = delete;
    PageFile& operator=(const PageFile&) = delete;

    // Creates the file, or empties it; throws FileException.
    void Create(const std::string& path);
    // Opens an existing file for writing at its end; throws FileException.
    void OpenAtEnd(const std::string& path);

    bool IsOpen() const { return m_file.IsOpen(); }
    const std::string& Path() const { return m_path; }

    // The bytes assembled since the open; fragments append here.
    std::string& Bytes() { return m_bytes; }

    // Writes the assembled bytes in one write and closes; throws FileException.
    void Close();

    // After a failure elsewhere: writes what has been assembled and closes.
    // Gives the failure of that write, if it fails too.
    std::optional<FileException> Abandon();

  private:
    File m_file;
    std::string m_path;
    std::string m_bytes;
};

}  // namespace kivor
