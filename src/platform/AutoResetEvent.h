// An auto-reset event: Set() wakes one waiter (or the next one to wait) and resets itself.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace lumicord {

class CAutoResetEvent {
public:
    void Set() {
        {
            std::lock_guard lock(m_mutex);
            m_signalled = true;
        }
        m_cv.notify_one();
    }

    void Wait() {
        std::unique_lock lock(m_mutex);
        m_cv.wait(lock, [this] { return m_signalled; });
        m_signalled = false;
    }

    // True when the event was signalled within `timeout`.
    template <class Rep, class Period> bool WaitFor(std::chrono::duration<Rep, Period> timeout) {
        std::unique_lock lock(m_mutex);
        if (!m_cv.wait_for(lock, timeout, [this] { return m_signalled; }))
            return false;
        m_signalled = false;
        return true;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_cv;
    bool m_signalled = false;
};

} // namespace lumicord
