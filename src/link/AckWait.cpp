#include "link/AckWait.h"

#include <algorithm>

namespace lumicord {

void CAckWait::Start(Clock::time_point now) {
    m_readyAt = now;
    m_counters = WaitCounters{};
    m_counters.sends = 1;
}

CAckWait::Step CAckWait::OnStray() {
    if (++m_counters.stray >= kFailPasses)
        return Step::Fail;
    return m_counters.stray % kResendPasses == 0 ? Step::Resend : Step::Wait;
}

CAckWait::Step CAckWait::OnTime(Clock::time_point now) {
    const auto passes =
        static_cast<std::uint64_t>(std::max(now - m_readyAt, Clock::duration{0}) / kIdlePass);
    const auto idle = static_cast<std::uint32_t>(std::min<std::uint64_t>(passes, kFailPasses));
    const bool crossedMark = idle / kResendPasses != m_counters.idle / kResendPasses;
    m_counters.idle = idle;
    if (idle >= kFailPasses)
        return Step::Fail;
    return crossedMark ? Step::Resend : Step::Wait;
}

CAckWait::Clock::time_point CAckWait::Deadline() const {
    const std::uint32_t nextMark = (m_counters.idle / kResendPasses + 1) * kResendPasses;
    return m_readyAt + std::chrono::duration_cast<Clock::duration>(nextMark * kIdlePass);
}

} // namespace lumicord
