// Waiting for the acknowledgement of one frame: resend after every 20000 idle or stray passes,
// give up after 100000. An idle pass is 50 us of waiting with nothing received; the loop
// blocks for many idle passes at once and counts them by the clock, so the resends and the
// failure fall on the same pass numbers while the thread sleeps and wakes for every frame.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

#include "link/LinkEndpoint.h"
#include "link/LinkFrame.h"
#include "platform/WakeupFd.h"

namespace lumicord {

constexpr std::uint32_t kResendPasses = 20000;
constexpr std::uint32_t kFailPasses = 100000;
constexpr std::chrono::microseconds kIdlePass{50};

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

struct WaitCounters {
    std::uint32_t idle = 0;
    std::uint32_t stray = 0;
    std::uint32_t sends = 0;
};

using AckMatcher = std::function<bool(const LinkFrame& reply)>;

// Sends `frame` and waits for a reply that `isAck` accepts. `counters` (optional) receives
// the counts as they stood at the end.
WaitResult WaitForAcknowledgement(CAckPort& port, const LinkFrame& frame, const AckMatcher& isAck,
                                  WaitCounters* counters = nullptr);

} // namespace lumicord
