// The frames one device sent while one transfer waits on it, handed on by the transfers'
// receive thread. Bounded like a capture buffer: a flood from the device drops its own
// frames, never blocks the receive thread or another device's transfer.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>

#include "link/LinkFrame.h"
#include "platform/WakeupFd.h"

namespace lumicord {

class CTransferInbox {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::size_t kCapacity = 64;

    // Queues `frame`; false (the frame dropped) when the inbox is full.
    bool Push(const LinkFrame& frame);
    // Takes the oldest frame; false when none is waiting.
    bool TryPop(LinkFrame& frame);
    // Blocks until a frame is waiting (only when `watchFrames`), Stop is called (Woken), or
    // `deadline` passes. A stop wins.
    PollWake WaitUntil(Clock::time_point deadline, bool watchFrames);
    // Wakes the waiter now and at every later wait.
    void Stop();

    std::uint64_t Dropped() const;

private:
    mutable std::mutex m_lock;
    std::condition_variable m_arrived;
    std::deque<LinkFrame> m_frames;
    std::uint64_t m_dropped = 0;
    bool m_stopped = false;
};

} // namespace lumicord
