// The link of every transfer on one adapter: one inbound capture endpoint for link frames, one
// send-only socket, and one thread that drives every transfer's frames. It hands each frame
// it reads to the transfers waiting on its source MAC (a transfer sees every link frame its
// device sends, addressed to anyone, and no other device's), sends the next frame as soon as
// one is acknowledged, and sleeps until a frame arrives or a transfer's next resend or
// failure is due. The kernel then filters each frame once however many transfers run, and no
// thread wakes per frame but this one.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <queue>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

#include "link/AckWait.h"
#include "link/AckWaitLoop.h"
#include "link/LinkEndpoint.h"
#include "link/LinkFrame.h"
#include "link/MacText.h"
#include "platform/FrameSendSocket.h"
#include "platform/WakeupFd.h"

namespace lumicord {

// One transfer's frames, one after another, each acknowledged before the next. Called on the
// path's thread only.
class CFrameSource {
public:
    virtual ~CFrameSource() = default;
    // The next frame, kept by the source until the following call; null when it cannot be
    // made (a read error).
    virtual const LinkFrame* Next() = 0;
    virtual bool IsAcknowledgement(const LinkFrame& reply) const = 0;
    // True once the frame last made was the transfer's last.
    virtual bool AtEnd() const = 0;
};

class CTransferPath {
public:
    // Opens both ends on `device` and starts the thread; null when either end cannot be opened
    // or the thread cannot be made.
    static std::shared_ptr<CTransferPath> Open(const std::string& device);
    ~CTransferPath();
    CTransferPath(const CTransferPath&) = delete;
    CTransferPath& operator=(const CTransferPath&) = delete;

    // Sends the frames of `source` to `device` and waits until the last is acknowledged
    // (Acknowledged), one was not (Failed) or the transfers were stopped (Stopped).
    // `counters` (optional) receives the counts of the last frame as they stood at the end.
    WaitResult Run(const MacAddress& device, CFrameSource& source,
                   WaitCounters* counters = nullptr);
    // Ends every transfer running now or later with Stopped.
    void StopTransfers();

    // Frames the kernel dropped because the receive buffer was full, since opening.
    std::uint64_t DroppedFrames() const { return m_receiver->DroppedFrames(); }

private:
    using Clock = std::chrono::steady_clock;
    struct Transfer;

    CTransferPath(std::unique_ptr<CLinkEndpoint> receiver,
                  std::unique_ptr<CFrameSendSocket> sender);
    void Loop();
    void TakeNewTransfers();
    void Begin(Transfer& transfer, Clock::time_point now);
    void NextFrame(Transfer& transfer, Clock::time_point now);
    void OnFrame(const LinkFrame& frame);
    void OnTimers(Clock::time_point now);
    void Arm(Transfer& transfer);
    void Finish(Transfer& transfer, WaitResult result);
    void Send(Transfer& transfer);
    void FinishAll(WaitResult result);

    std::unique_ptr<CLinkEndpoint> m_receiver;
    std::unique_ptr<CFrameSendSocket> m_sender;
    CWakeupFd m_wake; // new transfers, a stop, or closing
    std::atomic<bool> m_closing{false};

    // Shared with the callers of Run, under m_lock.
    std::mutex m_lock;
    std::vector<Transfer*> m_new;
    bool m_stopped = false;

    // The thread's own.
    std::unordered_multimap<std::uint64_t, Transfer*> m_byDevice;
    std::unordered_map<std::uint64_t, Transfer*> m_byId;
    using Timer = std::pair<Clock::time_point, std::uint64_t>;
    std::priority_queue<Timer, std::vector<Timer>, std::greater<>> m_timers;
    std::uint64_t m_nextId = 1;
    std::vector<Transfer*> m_matched; // scratch for OnFrame
    std::thread m_thread;
};

} // namespace lumicord
