// Waiting for frames on an endpoint in tests: blocks on the endpoint's descriptor, never spins.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>

#include "link/LinkEndpoint.h"

namespace lumicord::testing {

// The next frame within `timeout`; false when none came.
bool WaitForFrame(CLinkEndpoint& endpoint, LinkFrame& frame, std::chrono::milliseconds timeout,
                  std::size_t* capturedBytes = nullptr);

// The next frame for which `wanted` holds within `timeout`; other frames are passed over.
bool WaitForFrameWhere(CLinkEndpoint& endpoint, LinkFrame& frame,
                       const std::function<bool(const LinkFrame&)>& wanted,
                       std::chrono::milliseconds timeout);

} // namespace lumicord::testing
