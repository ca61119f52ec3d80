// Waiting for the acknowledgement of one frame on a thread of its own, blocking on one
// device's port between frames, with the counting of CAckWait.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

#include "link/AckWait.h"
#include "link/LinkEndpoint.h"
#include "link/LinkFrame.h"
#include "platform/WakeupFd.h"

namespace lumicord {

// What the loop drives: one device's endpoint, the monotonic clock and the stop signal.
class CAckPort {
public:
    using Clock = std::chrono::steady_clock;
    virtual ~CAckPort() = default;
    virtual void Send(const LinkFrame& frame) = 0;
    // Never blocks: a frame, nothing waiting (Timeout) or a read error.
    virtual ReceiveResult Receive(LinkFrame& frame) = 0;
    // Blocks until a frame may be waiting (only when `watchEndpoint`), a stop is asked for
    // (Woken), or `deadline` passes.
    virtual PollWake WaitUntil(Clock::time_point deadline, bool watchEndpoint) = 0;
    virtual Clock::time_point Now() = 0;
};

enum class WaitResult { Acknowledged, Failed, Stopped };

using AckMatcher = std::function<bool(const LinkFrame& reply)>;

// Sends `frame` and waits for a reply that `isAck` accepts. `counters` (optional) receives
// the counts as they stood at the end.
WaitResult WaitForAcknowledgement(CAckPort& port, const LinkFrame& frame, const AckMatcher& isAck,
                                  WaitCounters* counters = nullptr);

} // namespace lumicord
