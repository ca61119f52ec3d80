#include "link/AckWaitLoop.h"

#include <algorithm>

namespace lumicord {
namespace {

// After a read error the endpoint is not watched (it might stay "readable" for good); the
// loop looks again after this long, which keeps a broken endpoint from spinning the thread.
constexpr std::chrono::milliseconds kErrorRetry{10};

} // namespace

WaitResult WaitForAcknowledgement(CAckPort& port, const LinkFrame& frame, const AckMatcher& isAck,
                                  WaitCounters* counters) {
    WaitCounters count;
    WaitResult result = WaitResult::Failed;
    bool resend = true;
    CAckPort::Clock::duration idleTime{0};
    for (;;) {
        if (resend) {
            port.Send(frame);
            ++count.sends;
            resend = false;
        }
        LinkFrame reply;
        const ReceiveResult received = port.Receive(reply);
        if (received == ReceiveResult::Frame) {
            if (isAck(reply)) {
                result = WaitResult::Acknowledged;
                break;
            }
            if (++count.stray >= kFailPasses)
                break;
            if (count.stray % kResendPasses == 0)
                resend = true;
            continue;
        }
        // Nothing waiting: sleep until the next idle pass at which a resend or the failure is
        // due, or until a frame arrives.
        const std::uint32_t nextMark = (count.idle / kResendPasses + 1) * kResendPasses;
        const auto start = port.Now();
        auto deadline = start + (nextMark * kIdlePass - idleTime);
        const bool watch = received != ReceiveResult::Error;
        if (!watch)
            deadline = std::min(deadline, start + CAckPort::Clock::duration(kErrorRetry));
        if (port.WaitUntil(deadline, watch) == PollWake::Woken) {
            result = WaitResult::Stopped;
            break;
        }
        idleTime += port.Now() - start;
        const auto passes = static_cast<std::uint64_t>(idleTime / kIdlePass);
        const auto idle = static_cast<std::uint32_t>(std::min<std::uint64_t>(passes, kFailPasses));
        const bool crossedMark = idle / kResendPasses != count.idle / kResendPasses;
        count.idle = idle;
        if (idle >= kFailPasses)
            break;
        if (crossedMark)
            resend = true;
    }
    if (counters != nullptr)
        *counters = count;
    return result;
}

} // namespace lumicord
