// Files with the Windows-like open modes of the original program, reporting
// failures with errno and raising FileException where the callers expect the
// framework's file exception.
#pragma once

#include <cstddef>
#include <cstdint>
#include <exception>
#include <optional>
#include <string>
#include <string_view>

namespace kivor {

// Why a file operation failed, in the terms the callers test for.
enum class FileCause {
    none,
    generic,
    fileNotFound,
    badPath,  // the folder of the path does not exist
    accessDenied,
    diskFull,
};

FileCause FileCauseFromErrno(int err);

// The framework's file exception: a cause, the system error code (errno) and
// the name of the file (CP932) as it was opened.
class FileException : public std::exception {
  public:
    FileException(FileCause cause, int errorCode, std::string fileName);
    const char* what() const noexcept override { return "file operation failed"; }

    FileCause m_cause;
    int m_lOsError;  // errno at the moment of the failure
    std::string m_strFileName;
};

// An open file. Paths are CP932 and converted to UTF-8 for the system.
// Opening without modeCreate on a missing file fails; modeCreate|modeWrite
// creates the file or truncates it to zero length. Every failure throws.
class File {
  public:
    enum OpenFlags : unsigned {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        modeCreate = 0x1000,
    };

    File() = default;
    File(const std::string& pathCp932, unsigned flags) { Open(pathCp932, flags); }
    ~File();
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    void Open(const std::string& pathCp932, unsigned flags);
    bool IsOpen() const { return m_fd >= 0; }
    // Reads up to `count` bytes; 0 at the end of the file.
    std::size_t Read(void* buffer, std::size_t count);
    // Writes all bytes or throws (a short write is a failure: disk full).
    void Write(const void* data, std::size_t count);
    void Write(std::string_view bytes) { Write(bytes.data(), bytes.size()); }
    void SeekToEnd();
    void Close();  // throws when the final flush fails

  private:
    [[noreturn]] void Fail(int err) const;
    int m_fd = -1;
    std::size_t m_written = 0;  // bytes written since the open
    std::string m_path;
};

// Reads a whole file; nullopt and *error = errno on failure.
std::optional<std::string> ReadWholeFile(const std::string& pathCp932, int* error = nullptr);

// Replaces the file atomically: writes the bytes to a new file in the same
// folder, flushes it to disk and renames it over the old one. On any failure
// the old file stays whole, the temporary file is removed and the errno of
// the failure is returned; 0 on success.
int ReplaceFileAtomically(const std::string& pathCp932, std::string_view bytes);

// Deletes a file; 0 or errno.
int RemoveFile(const std::string& pathCp932);

// Creates one folder level; 0 or errno.
int MakeFolder(const std::string& pathCp932);

// The file system's name (UTF-8) of a CP932 path; nullopt if not convertible.
std::optional<std::string> NativePath(const std::string& pathCp932);

// Test seam, for the failures a test cannot provoke for real (the tests may
// run as root, for whom permissions do not apply): every operation `op` on a
// path (CP932) containing `pathPart` fails with `error`. For FaultOp::write
// the first `bytesAllowed` bytes written through such a file still succeed
// (a disk that fills up half-way). Cleared by ClearFileFaults().
enum class FaultOp { openRead, openWrite, read, write, rename, remove, makeFolder };
void InjectFileFault(FaultOp op, std::string pathPart, int error, std::size_t bytesAllowed = 0);
void ClearFileFaults();

}  // namespace kivor
