// The single-instance lock: an exclusive flock on "<name>.lock" in the
// user's runtime folder ($XDG_RUNTIME_DIR, else a private folder of the
// user's under /tmp). The kernel releases it even after a crash.
#pragma once

#include <string>
#include <utility>

namespace kivor {

class InstanceLock {
  public:
    explicit InstanceLock(std::string name) : m_name(std::move(name)) {}
    ~InstanceLock() { Release(); }
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // True when this process now holds the lock; false when another process
    // holds it or the lock file cannot be made.
    bool Acquire();
    void Release();
    bool IsHeld() const { return m_fd >= 0; }
    std::string LockFilePath() const;

  private:
    std::string m_name;
    int m_fd = -1;
};

inline constexpr const char* kInstanceLockName = "kivor8237541";

}  // namespace kivor
