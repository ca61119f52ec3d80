#include "link/TransferPath.h"

#include <algorithm>
#include <new>
#include <system_error>

#include "link/MacText.h"

namespace lumicord {
namespace {

// How long the thread leaves a failing endpoint alone before reading again.
constexpr std::chrono::milliseconds kErrorPause{10};
// Frames handed on between two looks at the clock, so a flood does not hold up resends.
constexpr int kFrameBatch = 64;
// Resends and failures fall due on this grid, at most 10 ms late, so that a thousand waiting
// transfers wake the thread a hundred times a second rather than a thousand.
using TimerGrid = std::chrono::duration<std::int64_t, std::ratio<1, 100>>;

} // namespace

struct CTransferPath::Transfer {
    std::uint64_t key = 0;
    std::uint64_t id = 0; // 0 until the thread has taken it up
    CFrameSource* source = nullptr;
    const LinkFrame* frame = nullptr;
    CAckWait wait;
    bool armed = false; // a timer for it is queued

    // Set by the thread when the transfer ends; Run waits for `done`.
    std::mutex lock;
    std::condition_variable ended;
    bool done = false;
    WaitResult result = WaitResult::Failed;
    WaitCounters counters;
};

std::shared_ptr<CTransferPath> CTransferPath::Open(const std::string& device) {
    auto receiver = CLinkEndpoint::Open(device, 1, EndpointUse::TransferPath);
    if (!receiver || !receiver->SetFilter(kLinkProtocolFilter) || !receiver->SetNonBlocking(true))
        return nullptr;
    // The frames this process sends never concern a transfer; leaving them out spares the
    // kernel a filter run per frame sent.
    receiver->SetInboundOnly();
    auto sender = CFrameSendSocket::Open(device);
    if (!sender)
        return nullptr;
    std::shared_ptr<CTransferPath> path(new (std::nothrow)
                                            CTransferPath(std::move(receiver), std::move(sender)));
    if (!path || !path->m_wake.Valid())
        return nullptr;
    try {
        path->m_thread = std::thread([raw = path.get()] { raw->Loop(); });
    } catch (const std::system_error&) {
        return nullptr;
    }
    return path;
}

CTransferPath::CTransferPath(std::unique_ptr<CLinkEndpoint> receiver,
                             std::unique_ptr<CFrameSendSocket> sender)
    : m_receiver(std::move(receiver)), m_sender(std::move(sender)) {}

CTransferPath::~CTransferPath() {
    m_closing = true;
    m_wake.Signal();
    if (m_thread.joinable())
        m_thread.join();
}

WaitResult CTransferPath::Run(const MacAddress& device, CFrameSource& source,
                              WaitCounters* counters) {
    Transfer transfer;
    transfer.key = MacKey(device.data());
    transfer.source = &source;
    {
        std::lock_guard lock(m_lock);
        if (m_stopped || m_closing)
            return WaitResult::Stopped;
        m_new.push_back(&transfer);
    }
    m_wake.Signal();
    std::unique_lock lock(transfer.lock);
    transfer.ended.wait(lock, [&] { return transfer.done; });
    if (counters != nullptr)
        *counters = transfer.counters;
    return transfer.result;
}

void CTransferPath::StopTransfers() {
    {
        std::lock_guard lock(m_lock);
        m_stopped = true;
    }
    m_wake.Signal();
}

void CTransferPath::Loop() {
    LinkFrame frame;
    PollWake woke = PollWake::Readable; // look at everything on the first pass
    while (!m_closing) {
        if (woke == PollWake::Woken)
            m_wake.Drain();
        TakeNewTransfers();
        int handed = 0;
        ReceiveResult received = ReceiveResult::Timeout;
        // The buffer is read only when poll said so: an empty read costs a system call.
        if (woke == PollWake::Readable) {
            while (handed < kFrameBatch &&
                   (received = m_receiver->Receive(frame)) == ReceiveResult::Frame) {
                OnFrame(frame);
                ++handed;
            }
        }
        const Clock::time_point now = Clock::now();
        OnTimers(now);
        if (handed == kFrameBatch) {
            woke = PollWake::Readable; // more may be waiting
            continue;
        }
        Clock::time_point deadline = Clock::time_point::max();
        if (!m_timers.empty())
            deadline = Clock::time_point(
                std::chrono::ceil<TimerGrid>(m_timers.top().first.time_since_epoch()));
        const bool watch = received != ReceiveResult::Error;
        if (!watch)
            deadline = std::min(deadline, now + kErrorPause);
        woke = WaitReadable(watch ? m_receiver->SelectableFd() : -1, m_wake.Fd(),
                            deadline == Clock::time_point::max() ? nullptr : &deadline);
        if (woke == PollWake::Timeout && !watch)
            woke = PollWake::Readable; // try the failing endpoint again
    }
    {
        std::lock_guard lock(m_lock);
        m_stopped = true;
    }
    TakeNewTransfers();
}

void CTransferPath::TakeNewTransfers() {
    std::vector<Transfer*> fresh;
    bool stopped = false;
    {
        std::lock_guard lock(m_lock);
        fresh.swap(m_new);
        stopped = m_stopped;
    }
    if (stopped) {
        for (Transfer* transfer : fresh)
            Finish(*transfer, WaitResult::Stopped);
        FinishAll(WaitResult::Stopped);
        return;
    }
    const Clock::time_point now = Clock::now();
    for (Transfer* transfer : fresh)
        Begin(*transfer, now);
}

void CTransferPath::Begin(Transfer& transfer, Clock::time_point now) {
    transfer.id = m_nextId++;
    m_byId.emplace(transfer.id, &transfer);
    m_byDevice.emplace(transfer.key, &transfer);
    NextFrame(transfer, now);
}

void CTransferPath::NextFrame(Transfer& transfer, Clock::time_point now) {
    transfer.frame = transfer.source->Next();
    if (transfer.frame == nullptr) {
        Finish(transfer, WaitResult::Failed);
        return;
    }
    transfer.wait.Start(now);
    Send(transfer);
    Arm(transfer);
}

void CTransferPath::OnFrame(const LinkFrame& frame) {
    const auto [first, last] = m_byDevice.equal_range(MacKey(frame.src_mac));
    if (first == last)
        return;
    // Finishing a transfer takes it out of the map; work on a copy of the matches.
    m_matched.clear();
    for (auto it = first; it != last; ++it)
        m_matched.push_back(it->second);
    for (Transfer* transfer : m_matched) {
        if (transfer->source->IsAcknowledgement(frame)) {
            if (transfer->source->AtEnd())
                Finish(*transfer, WaitResult::Acknowledged);
            else
                NextFrame(*transfer, Clock::now());
            continue;
        }
        const CAckWait::Step step = transfer->wait.OnStray();
        if (step == CAckWait::Step::Fail) {
            Finish(*transfer, WaitResult::Failed);
        } else if (step == CAckWait::Step::Resend) {
            Send(*transfer);
            transfer->wait.Resent();
        }
    }
}

void CTransferPath::OnTimers(Clock::time_point now) {
    while (!m_timers.empty() && m_timers.top().first <= now) {
        const std::uint64_t id = m_timers.top().second;
        m_timers.pop();
        const auto found = m_byId.find(id);
        if (found == m_byId.end())
            continue; // ended since
        Transfer& transfer = *found->second;
        transfer.armed = false;
        // A timer queued for an earlier frame of the transfer finds a later deadline.
        if (transfer.wait.Deadline() <= now) {
            const CAckWait::Step step = transfer.wait.OnTime(now);
            if (step == CAckWait::Step::Fail) {
                Finish(transfer, WaitResult::Failed);
                continue;
            }
            if (step == CAckWait::Step::Resend) {
                Send(transfer);
                transfer.wait.Resent();
            }
        }
        Arm(transfer);
    }
}

void CTransferPath::Arm(Transfer& transfer) {
    if (transfer.armed)
        return;
    m_timers.emplace(transfer.wait.Deadline(), transfer.id);
    transfer.armed = true;
}

void CTransferPath::Send(Transfer& transfer) {
    m_sender->Send(transfer.frame, kLinkFrameSize);
}

void CTransferPath::Finish(Transfer& transfer, WaitResult result) {
    if (transfer.id != 0) {
        m_byId.erase(transfer.id);
        const auto [first, last] = m_byDevice.equal_range(transfer.key);
        for (auto it = first; it != last; ++it) {
            if (it->second == &transfer) {
                m_byDevice.erase(it);
                break;
            }
        }
    }
    const WaitCounters counters = transfer.wait.Counters();
    // Notified under its lock: Run may return and end the transfer's life as soon as the lock
    // is released, and nothing here touches it afterwards.
    std::lock_guard lock(transfer.lock);
    transfer.counters = counters;
    transfer.result = result;
    transfer.done = true;
    transfer.ended.notify_one();
}

void CTransferPath::FinishAll(WaitResult result) {
    std::vector<Transfer*> running;
    running.reserve(m_byId.size());
    for (const auto& [id, transfer] : m_byId)
        running.push_back(transfer);
    for (Transfer* transfer : running)
        Finish(*transfer, result);
}

} // namespace lumicord
