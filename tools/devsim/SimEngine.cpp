#include "SimEngine.h"

#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <utility>

#include "link/MacText.h"

namespace lumicord::devsim {
namespace {

constexpr int kSendTries = 5; // a full send queue is tried again 1 ms later

} // namespace

CSimEngine::CSimEngine(SimOptions options) : m_options(std::move(options)) {
    m_devices.reserve(static_cast<std::size_t>(m_options.count));
    for (int number = 1; number <= m_options.count; ++number) {
        const MacAddress mac = DeviceMac(m_options.macBase, number);
        m_byMac.emplace(MacKey(mac.data()), m_devices.size());
        m_devices.emplace_back(mac, BehaviourOf(m_options, number));
    }
}

bool CSimEngine::Open() {
    m_endpoint = CLinkEndpoint::Open(m_options.interfaceName, 1, EndpointUse::Capture);
    if (!m_endpoint) {
        std::fprintf(stderr,
                     "lumicord-devsim: cannot open interface %s (root or CAP_NET_RAW needed)\n",
                     m_options.interfaceName.c_str());
        return false;
    }
    if (!m_endpoint->SetFilter("ether proto 0x6262") || !m_endpoint->SetInboundOnly() ||
        !m_endpoint->SetNonBlocking(true) || m_endpoint->SelectableFd() < 0) {
        std::fprintf(stderr, "lumicord-devsim: cannot set up capture on %s\n",
                     m_options.interfaceName.c_str());
        return false;
    }
    if (!m_options.outDir.empty()) {
        std::error_code error;
        std::filesystem::create_directories(m_options.outDir, error);
    }
    return true;
}

int CSimEngine::Run() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    sigprocmask(SIG_BLOCK, &signals, nullptr);
    const int signalFd = signalfd(-1, &signals, SFD_CLOEXEC);
    if (signalFd < 0) {
        std::perror("lumicord-devsim: signalfd");
        return 1;
    }
    const Clock::time_point start = Clock::now();
    const Clock::time_point end =
        m_options.durationSeconds > 0
            ? start + std::chrono::duration_cast<Clock::duration>(
                          std::chrono::duration<double>(m_options.durationSeconds))
            : Clock::time_point::max();
    std::printf("lumicord-devsim: %d devices on %s\n", m_options.count,
                m_options.interfaceName.c_str());
    std::fflush(stdout);

    pollfd fds[2] = {{m_endpoint->SelectableFd(), POLLIN, 0}, {signalFd, POLLIN, 0}};
    for (;;) {
        const Clock::time_point now = Clock::now();
        if (now >= end)
            break;
        SendDue(now);
        fds[0].revents = fds[1].revents = 0;
        if (poll(fds, 2, PollTimeoutMs(Clock::now(), end)) < 0 && errno != EINTR)
            break;
        if (fds[1].revents != 0)
            break;
        if (fds[0].revents != 0)
            DrainCapture();
    }
    close(signalFd);
    return 0;
}

int CSimEngine::PollTimeoutMs(Clock::time_point now, Clock::time_point end) const {
    Clock::time_point wake = end;
    if (!m_pending.empty() && m_pending.top().due < wake)
        wake = m_pending.top().due;
    if (wake == Clock::time_point::max())
        return -1;
    if (wake <= now)
        return 0;
    // Round up so that a wake-up never comes before the deadline and spins.
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(wake - now).count();
    return static_cast<int>(std::min<long long>(wait, 60000));
}

void CSimEngine::DrainCapture() {
    LinkFrame frame;
    while (m_endpoint->Receive(frame) == ReceiveResult::Frame)
        Deliver(frame);
}

void CSimEngine::Deliver(const LinkFrame& in) {
    const Clock::time_point now = Clock::now();
    const bool broadcast = std::memcmp(in.dst_mac, kBroadcastMac.data(), 6) == 0;
    auto handle = [&](CSimDevice& device) {
        m_out.clear();
        m_completed.clear();
        device.OnFrame(in, m_out, m_completed);
        Queue(m_out, now);
        for (const CompletedTransfer& transfer : m_completed)
            SaveTransfer(device, transfer);
    };
    if (broadcast) {
        if (in.msg_type.get() == MsgDiscover)
            for (CSimDevice& device : m_devices)
                handle(device);
        SendDue(Clock::now());
        return;
    }
    const auto found = m_byMac.find(MacKey(in.dst_mac));
    if (found != m_byMac.end()) {
        handle(m_devices[found->second]);
        SendDue(Clock::now());
    }
}

void CSimEngine::Queue(const std::vector<OutFrame>& out, Clock::time_point now) {
    for (const OutFrame& item : out)
        m_pending.push({now + std::chrono::milliseconds(item.delayMs), m_order++, item.frame, 0});
}

void CSimEngine::SendDue(Clock::time_point now) {
    while (!m_pending.empty() && m_pending.top().due <= now) {
        Pending item = m_pending.top();
        m_pending.pop();
        if (m_endpoint->Send(item.frame))
            continue;
        if (++item.sendTries < kSendTries) {
            item.due = now + std::chrono::milliseconds(1);
            m_pending.push(item);
        } else {
            ++m_sendFailures;
        }
    }
}

void CSimEngine::SaveTransfer(const CSimDevice& device, const CompletedTransfer& transfer) {
    if (m_options.outDir.empty())
        return;
    std::string name = MacText(device.Mac());
    for (char& c : name)
        if (c == ':')
            c = '-';
    const std::string path = m_options.outDir + "/" + name + "." + TransferKindName(transfer.kind);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        std::fprintf(stderr, "lumicord-devsim: cannot write %s\n", path.c_str());
        return;
    }
    if (!transfer.data.empty())
        std::fwrite(transfer.data.data(), 1, transfer.data.size(), file);
    std::fclose(file);
}

void CSimEngine::PrintSummary(std::FILE* to) const {
    std::uint64_t totals[kTransferKinds] = {};
    for (const CSimDevice& device : m_devices) {
        const DeviceStats& s = device.Stats();
        std::fprintf(to, "%s discovery %llu", MacText(device.Mac()).c_str(),
                     static_cast<unsigned long long>(s.discoveryRequests));
        for (std::size_t k = 0; k < kTransferKinds; ++k) {
            std::fprintf(to, ", %s %llu frames %llu done %llu bytes",
                         TransferKindName(static_cast<TransferKind>(k)),
                         static_cast<unsigned long long>(s.framesReceived[k]),
                         static_cast<unsigned long long>(s.transfersCompleted[k]),
                         static_cast<unsigned long long>(s.bytesCompleted[k]));
            totals[k] += s.transfersCompleted[k];
        }
        std::fprintf(to, ", acks %llu, outcomes %llu, strays %llu\n",
                     static_cast<unsigned long long>(s.acksSent),
                     static_cast<unsigned long long>(s.outcomesSent),
                     static_cast<unsigned long long>(s.straysSent));
    }
    std::fprintf(to,
                 "lumicord-devsim: %zu devices; transfers done: config %llu, logo %llu, "
                 "antitheft %llu; frames not sent %llu; capture drops %llu\n",
                 m_devices.size(), static_cast<unsigned long long>(totals[0]),
                 static_cast<unsigned long long>(totals[1]),
                 static_cast<unsigned long long>(totals[2]),
                 static_cast<unsigned long long>(m_sendFailures),
                 static_cast<unsigned long long>(m_endpoint ? m_endpoint->DroppedFrames() : 0));
}

} // namespace lumicord::devsim
