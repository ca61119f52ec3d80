// A descriptor that stays readable once signalled (unless drained), so a thread blocked in
// poll on its own descriptors wakes at once when asked to stop or given work; and the bounded
// poll those threads use.
#pragma once

#include <chrono>

namespace lumicord {

class CWakeupFd {
public:
    CWakeupFd();
    ~CWakeupFd();
    CWakeupFd(const CWakeupFd&) = delete;
    CWakeupFd& operator=(const CWakeupFd&) = delete;

    // False when the descriptor could not be made.
    bool Valid() const { return m_fd >= 0; }
    int Fd() const { return m_fd; }
    // Makes the descriptor readable until it is drained.
    void Signal();
    // Makes it unreadable again, for a descriptor that wakes a thread time and again.
    void Drain();
    bool Signalled() const;

private:
    int m_fd = -1;
};

// True when `fd` (a wake-up descriptor) is readable now; false for -1.
bool FdSignalled(int fd);

enum class PollWake { Readable, Woken, Timeout };

// Blocks until `fd` is readable (or in error), `wake` is signalled, or `deadline` passes.
// `fd` or `wake` may be -1; without a deadline the wait has no limit. A signalled `wake` wins.
PollWake WaitReadable(int fd, int wake, const std::chrono::steady_clock::time_point* deadline);

} // namespace lumicord
