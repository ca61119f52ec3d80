// The counting of one frame's wait for its acknowledgement: resend at every 20000 idle or
// stray passes, give up after 100000. An idle pass is 50 us of waiting with nothing received,
// counted by the clock from the moment the frame was ready, so whoever drives the wait may
// sleep through many passes at once and wake for every frame; the resends and the failure
// still fall on the same pass numbers. The two counts are kept apart.
#pragma once

#include <chrono>
#include <cstdint>

namespace lumicord {

constexpr std::uint32_t kResendPasses = 20000;
constexpr std::uint32_t kFailPasses = 100000;
constexpr std::chrono::microseconds kIdlePass{50};

struct WaitCounters {
    std::uint32_t idle = 0;
    std::uint32_t stray = 0;
    std::uint32_t sends = 0;
};

class CAckWait {
public:
    using Clock = std::chrono::steady_clock;
    enum class Step { Wait, Resend, Fail };

    // A new frame is ready and goes out now: both counts start again from 0.
    void Start(Clock::time_point now);
    // A frame that is not the acknowledgement arrived.
    Step OnStray();
    // The clock reads `now`: idle passes up to it.
    Step OnTime(Clock::time_point now);
    // When OnTime next has something to do.
    Clock::time_point Deadline() const;
    // The caller sent the frame again.
    void Resent() { ++m_counters.sends; }

    const WaitCounters& Counters() const { return m_counters; }

private:
    Clock::time_point m_readyAt{};
    WaitCounters m_counters;
};

} // namespace lumicord
