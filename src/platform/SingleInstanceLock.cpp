#include "platform/SingleInstanceLock.h"

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <unistd.h>

namespace lumicord {

std::string CSingleInstanceLock::LockPath(const std::string& name) {
    std::string folder;
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime)
        folder = runtime;
    else
        folder = std::filesystem::temp_directory_path().string();
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder + name + ".lock";
}

CSingleInstanceLock::CSingleInstanceLock(const std::string& name) : m_path(LockPath(name)) {
    const int fd = ::open(m_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return;
    }
    m_fd = fd;
}

CSingleInstanceLock::~CSingleInstanceLock() {
    if (m_fd >= 0)
        ::close(m_fd);
}

} // namespace lumicord
