// Machine-wide guard that keeps a second copy of the program from running.
#pragma once

#include <string>

namespace lumicord {

// An advisory lock (flock) on <name>.lock in $XDG_RUNTIME_DIR, or the temp dir without it.
// The lock is held for as long as the object lives; the system drops it when the process ends.
class CSingleInstanceLock {
public:
    explicit CSingleInstanceLock(const std::string& name);
    ~CSingleInstanceLock();
    CSingleInstanceLock(const CSingleInstanceLock&) = delete;
    CSingleInstanceLock& operator=(const CSingleInstanceLock&) = delete;

    // False when another holder (in this or another process) already has the lock.
    bool Acquired() const { return m_fd >= 0; }
    const std::string& Path() const { return m_path; }

    // Where the lock file of `name` lives.
    static std::string LockPath(const std::string& name);

private:
    std::string m_path;
    int m_fd = -1;
};

} // namespace lumicord
