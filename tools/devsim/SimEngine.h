// The simulator's event loop: one capture handle, one thread, the devices keyed by MAC, and
// the frames waiting for their send time in deadline order.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <queue>
#include <string>
#include <unordered_map>
#include <vector>

#include "SimDevice.h"
#include "SimOptions.h"
#include "link/LinkEndpoint.h"

namespace lumicord::devsim {

class CSimEngine {
public:
    explicit CSimEngine(SimOptions options);

    // Opens the interface; false (with a line on standard error) when it cannot be opened.
    bool Open();
    // Runs until SIGINT, SIGTERM or the duration; returns the exit status.
    int Run();
    // One line per device: what it received and sent.
    void PrintSummary(std::FILE* to) const;

private:
    using Clock = std::chrono::steady_clock;
    struct Pending {
        Clock::time_point due;
        std::uint64_t order; // keeps frames of equal deadline in the order they were made
        LinkFrame frame;
        int sendTries;
        bool operator>(const Pending& other) const {
            return due != other.due ? due > other.due : order > other.order;
        }
    };

    void DrainCapture();
    void Deliver(const LinkFrame& in);
    void Queue(const std::vector<OutFrame>& out, Clock::time_point now);
    void SendDue(Clock::time_point now);
    void SaveTransfer(const CSimDevice& device, const CompletedTransfer& transfer);
    int PollTimeoutMs(Clock::time_point now, Clock::time_point end) const;

    SimOptions m_options;
    std::vector<CSimDevice> m_devices;
    std::unordered_map<std::uint64_t, std::size_t> m_byMac;
    std::unique_ptr<CLinkEndpoint> m_endpoint;
    std::priority_queue<Pending, std::vector<Pending>, std::greater<>> m_pending;
    std::uint64_t m_order = 0;
    std::uint64_t m_sendFailures = 0;
    std::vector<OutFrame> m_out;
    std::vector<CompletedTransfer> m_completed;
};

} // namespace lumicord::devsim
