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
    CAckWait wait;
    WaitResult result = WaitResult::Failed;
    port.Send(frame);
    wait.Start(port.Now());
    for (;;) {
        LinkFrame reply;
        const ReceiveResult received = port.Receive(reply);
        CAckWait::Step step = CAckWait::Step::Wait;
        if (received == ReceiveResult::Frame) {
            if (isAck(reply)) {
                result = WaitResult::Acknowledged;
                break;
            }
            step = wait.OnStray();
        } else {
            // Nothing waiting: sleep until the next idle pass at which a resend or the failure
            // is due, or until a frame arrives.
            auto deadline = wait.Deadline();
            const bool watch = received != ReceiveResult::Error;
            if (!watch)
                deadline = std::min(deadline, port.Now() + CAckPort::Clock::duration(kErrorRetry));
            if (port.WaitUntil(deadline, watch) == PollWake::Woken) {
                result = WaitResult::Stopped;
                break;
            }
            step = wait.OnTime(port.Now());
        }
        if (step == CAckWait::Step::Fail)
            break;
        if (step == CAckWait::Step::Resend) {
            port.Send(frame);
            wait.Resent();
        }
    }
    if (counters != nullptr)
        *counters = wait.Counters();
    return result;
}

} // namespace lumicord
