#include "platform/WakeupFd.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <ctime>

namespace lumicord {

CWakeupFd::CWakeupFd() : m_fd(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

CWakeupFd::~CWakeupFd() {
    if (m_fd >= 0)
        close(m_fd);
}

void CWakeupFd::Signal() {
    if (m_fd < 0)
        return;
    const std::uint64_t one = 1;
    // The counter only grows; a full counter is still readable, so a failed write is harmless.
    [[maybe_unused]] const ssize_t written = write(m_fd, &one, sizeof one);
}

void CWakeupFd::Drain() {
    if (m_fd < 0)
        return;
    std::uint64_t count = 0;
    [[maybe_unused]] const ssize_t got = read(m_fd, &count, sizeof count);
}

bool CWakeupFd::Signalled() const {
    return FdSignalled(m_fd);
}

bool FdSignalled(int fd) {
    if (fd < 0)
        return false;
    pollfd p{fd, POLLIN, 0};
    return poll(&p, 1, 0) > 0;
}

PollWake WaitReadable(int fd, int wake, const std::chrono::steady_clock::time_point* deadline) {
    pollfd fds[2] = {{wake, POLLIN, 0}, {fd, POLLIN, 0}};
    for (;;) {
        timespec timeout{};
        timespec* timeoutArg = nullptr;
        if (deadline != nullptr) {
            const auto left = *deadline - std::chrono::steady_clock::now();
            if (left <= std::chrono::steady_clock::duration::zero())
                return PollWake::Timeout;
            const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
            timeout.tv_sec = static_cast<time_t>(ns / 1000000000);
            timeout.tv_nsec = static_cast<long>(ns % 1000000000);
            timeoutArg = &timeout;
        }
        fds[0].revents = 0;
        fds[1].revents = 0;
        const int ready = ppoll(fds, 2, timeoutArg, nullptr);
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            return PollWake::Readable; // let the caller's read report the error
        }
        if (ready == 0)
            return PollWake::Timeout;
        if (fds[0].revents != 0)
            return PollWake::Woken;
        return PollWake::Readable;
    }
}

} // namespace lumicord
