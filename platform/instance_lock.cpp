#include "platform/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace kivor {

namespace {

// $XDG_RUNTIME_DIR, else a folder of this user's under /tmp that only the
// user can enter.
std::string RuntimeFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime) {
        std::string folder = runtime;
        while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
        return folder;
    }
    std::string folder = "/tmp/kivor-" + std::to_string(::getuid());
    ::mkdir(folder.c_str(), 0700);
    struct stat st;
    if (::lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid())
        return "";
    return folder;
}

}  // namespace

std::string InstanceLock::LockFilePath() const {
    std::string folder = RuntimeFolder();
    if (folder.empty()) return "";
    return folder + "/" + m_name + ".lock";
}

bool InstanceLock::Acquire() {
    if (m_fd >= 0) return true;
    std::string path = LockFilePath();
    if (path.empty()) return false;
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    return true;
}

void InstanceLock::Release() {
    if (m_fd < 0) return;
    ::flock(m_fd, LOCK_UN);
    ::close(m_fd);
    m_fd = -1;
}

}  // namespace kivor
