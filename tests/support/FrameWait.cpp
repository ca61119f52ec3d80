#include "FrameWait.h"

#include <poll.h>

namespace lumicord::testing {

bool WaitForFrame(CLinkEndpoint& endpoint, LinkFrame& frame, std::chrono::milliseconds timeout,
                  std::size_t* capturedBytes) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + timeout;
    for (;;) {
        if (endpoint.Receive(frame, capturedBytes) == ReceiveResult::Frame)
            return true;
        const auto left =
            std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return false;
        pollfd fd = {endpoint.SelectableFd(), POLLIN, 0};
        poll(&fd, 1, static_cast<int>(left));
    }
}

bool WaitForFrameWhere(CLinkEndpoint& endpoint, LinkFrame& frame,
                       const std::function<bool(const LinkFrame&)>& wanted,
                       std::chrono::milliseconds timeout) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + timeout;
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0 || !WaitForFrame(endpoint, frame, left))
            return false;
        if (wanted(frame))
            return true;
    }
}

} // namespace lumicord::testing
