#include "platform/file.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>

#include "platform/cp932.h"

namespace kivor {

namespace {

struct Fault {
    FaultOp op;
    std::string pathPart;
    int error;
    std::size_t bytesAllowed;
};

std::vector<Fault>& Faults() {
    static std::vector<Fault> faults;
    return faults;
}

const Fault* FindFault(FaultOp op, const std::string& path) {
    for (const Fault& f : Faults())
        if (f.op == op && path.find(f.pathPart) != std::string::npos) return &f;
    return nullptr;
}

// 0, or the error an injected fault gives this operation.
int InjectedError(FaultOp op, const std::string& path) {
    const Fault* f = FindFault(op, path);
    return f ? f->error : 0;
}

std::string ParentFolder(const std::string& path) {
    std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

bool FolderExists(const std::string& nativePath) {
    struct stat st;
    return ::stat(nativePath.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Writes all bytes to fd, honouring an injected write fault for `path`;
// `written` counts what this file has received so far. 0 or errno.
int WriteAll(int fd, const char* data, std::size_t count, const std::string& path,
             std::size_t& written) {
    std::size_t limit = count;
    int faultError = 0;
    if (const Fault* f = FindFault(FaultOp::write, path)) {
        std::size_t room = f->bytesAllowed > written ? f->bytesAllowed - written : 0;
        if (room < count) {
            limit = room;
            faultError = f->error;
        }
    }
    std::size_t done = 0;
    while (done < limit) {
        ssize_t n = ::write(fd, data + done, limit - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            written += done;
            return errno;
        }
        if (n == 0) {
            written += done;
            return ENOSPC;
        }
        done += static_cast<std::size_t>(n);
    }
    written += done;
    return faultError;
}

}  // namespace

FileCause FileCauseFromErrno(int err) {
    switch (err) {
        case 0:
            return FileCause::none;
        case ENOENT:
            return FileCause::fileNotFound;
        case ENOTDIR:
            return FileCause::badPath;
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
        case ETXTBSY:
            return FileCause::accessDenied;
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return FileCause::diskFull;
        default:
            return FileCause::generic;
    }
}

FileException::FileException(FileCause cause, int errorCode, std::string fileName)
    : m_cause(cause), m_lOsError(errorCode), m_strFileName(std::move(fileName)) {}

std::optional<std::string> NativePath(const std::string& pathCp932) {
    return Cp932ToUtf8(pathCp932);
}

File::~File() {
    if (m_fd >= 0) ::close(m_fd);
}

void File::Fail(int err) const {
    FileCause cause = FileCauseFromErrno(err);
    if (err == ENOENT) {
        // A missing folder is a bad path; a missing file in an existing one is not.
        std::optional<std::string> native = NativePath(m_path);
        if (!native || !FolderExists(ParentFolder(*native))) cause = FileCause::badPath;
    }
    throw FileException(cause, err, m_path);
}

void File::Open(const std::string& pathCp932, unsigned flags) {
    if (m_fd >= 0) Close();
    m_path = pathCp932;
    m_written = 0;
    std::optional<std::string> native = NativePath(pathCp932);
    if (!native) throw FileException(FileCause::badPath, EINVAL, pathCp932);
    const bool writing = flags & (modeWrite | modeReadWrite);
    if (int err = InjectedError(writing ? FaultOp::openWrite : FaultOp::openRead, pathCp932))
        Fail(err);
    int oflags = O_CLOEXEC;
    if (flags & modeReadWrite)
        oflags |= O_RDWR;
    else if (flags & modeWrite)
        oflags |= O_WRONLY;
    else
        oflags |= O_RDONLY;
    if (flags & modeCreate) oflags |= O_CREAT | O_TRUNC;
    int fd = ::open(native->c_str(), oflags, 0666);
    if (fd < 0) Fail(errno);
    struct stat st;
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        Fail(EISDIR);
    }
    m_fd = fd;
}

std::size_t File::Read(void* buffer, std::size_t count) {
    if (int err = InjectedError(FaultOp::read, m_path)) Fail(err);
    for (;;) {
        ssize_t n = ::read(m_fd, buffer, count);
        if (n >= 0) return static_cast<std::size_t>(n);
        if (errno != EINTR) Fail(errno);
    }
}

void File::Write(const void* data, std::size_t count) {
    if (int err = WriteAll(m_fd, static_cast<const char*>(data), count, m_path, m_written))
        Fail(err);
}

void File::SeekToEnd() {
    if (::lseek(m_fd, 0, SEEK_END) < 0) Fail(errno);
}

void File::Close() {
    if (m_fd < 0) return;
    int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0 && errno != EINTR) Fail(errno);
}

std::optional<std::string> ReadWholeFile(const std::string& pathCp932, int* error) {
    try {
        File file(pathCp932, File::modeRead);
        std::string bytes;
        char buffer[65536];
        while (std::size_t n = file.Read(buffer, sizeof buffer)) bytes.append(buffer, n);
        file.Close();
        return bytes;
    } catch (const FileException& e) {
        if (error) *error = e.m_lOsError;
        return std::nullopt;
    }
}

int ReplaceFileAtomically(const std::string& pathCp932, std::string_view bytes) {
    std::optional<std::string> nativeOpt = NativePath(pathCp932);
    if (!nativeOpt) return EINVAL;
    std::string native = *nativeOpt;
    // Replace the file a symbolic link points to, not the link.
    struct stat lst;
    if (::lstat(native.c_str(), &lst) == 0 && S_ISLNK(lst.st_mode)) {
        if (char* real = ::realpath(native.c_str(), nullptr)) {
            native = real;
            ::free(real);
        }
    }
    if (int err = InjectedError(FaultOp::openWrite, pathCp932)) return err;

    const std::string folder = ParentFolder(native);
    const std::string base = native.substr(native.find_last_of('/') + 1);
    std::string temp = folder + "/." + base + ".new-XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0) return errno;

    int err = 0;
    // Keep the old file's permissions; a new file gets the usual ones.
    struct stat st;
    mode_t mode;
    if (::stat(native.c_str(), &st) == 0) {
        mode = st.st_mode & 07777;
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(fd, mode);

    std::size_t written = 0;
    err = WriteAll(fd, bytes.data(), bytes.size(), pathCp932, written);
    if (!err && ::fsync(fd) != 0) err = errno;
    if (::close(fd) != 0 && !err && errno != EINTR) err = errno;
    if (!err) err = InjectedError(FaultOp::rename, pathCp932);
    if (!err && ::rename(temp.c_str(), native.c_str()) != 0) err = errno;
    if (err) {
        ::unlink(temp.c_str());
        return err;
    }
    // Make the rename itself durable.
    int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return 0;
}

int RemoveFile(const std::string& pathCp932) {
    std::optional<std::string> native = NativePath(pathCp932);
    if (!native) return EINVAL;
    if (int err = InjectedError(FaultOp::remove, pathCp932)) return err;
    struct stat st;
    if (::lstat(native->c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return EISDIR;
    return ::unlink(native->c_str()) == 0 ? 0 : errno;
}

int MakeFolder(const std::string& pathCp932) {
    std::optional<std::string> native = NativePath(pathCp932);
    if (!native) return EINVAL;
    if (int err = InjectedError(FaultOp::makeFolder, pathCp932)) return err;
    return ::mkdir(native->c_str(), 0777) == 0 ? 0 : errno;
}

void InjectFileFault(FaultOp op, std::string pathPart, int error, std::size_t bytesAllowed) {
    Faults().push_back(Fault{op, std::move(pathPart), error, bytesAllowed});
}

void ClearFileFaults() {
    Faults().clear();
}

}  // namespace kivor
