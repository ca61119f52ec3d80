// The link of every transfer on one adapter: one inbound capture endpoint for link frames,
// read by one thread that hands each frame to the inboxes of the transfers waiting on its
// source MAC, and one send-only socket shared by all of them. The kernel then filters each
// frame once, however many transfers run, and a transfer sees every link frame its device
// sends, addressed to anyone, and no other device's.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <shared_mutex>
#include <string>
#include <thread>
#include <unordered_map>

#include "link/LinkEndpoint.h"
#include "link/LinkFrame.h"
#include "link/MacText.h"
#include "link/TransferInbox.h"
#include "platform/FrameSendSocket.h"
#include "platform/WakeupFd.h"

namespace lumicord {

class CTransferPath {
public:
    // Opens both ends on `device` and starts the receive thread; null when either end cannot
    // be opened or the thread cannot be made.
    static std::shared_ptr<CTransferPath> Open(const std::string& device);
    ~CTransferPath();
    CTransferPath(const CTransferPath&) = delete;
    CTransferPath& operator=(const CTransferPath&) = delete;

    // Sends exactly 1286 bytes; never waits for another transfer's send.
    bool Send(const LinkFrame& frame);

    // From now until Leave, every frame from `device` also goes to `inbox`. After StopInboxes
    // the inbox is stopped at once.
    void Join(const MacAddress& device, CTransferInbox& inbox);
    void Leave(const MacAddress& device, CTransferInbox& inbox);
    // Stops every inbox joined now or later.
    void StopInboxes();

    // Frames the kernel dropped because the receive buffer was full, since opening.
    std::uint64_t DroppedFrames() const { return m_receiver->DroppedFrames(); }

private:
    CTransferPath(std::unique_ptr<CLinkEndpoint> receiver,
                  std::unique_ptr<CFrameSendSocket> sender);
    void ReceiveThread();
    void HandOn(const LinkFrame& frame);

    std::unique_ptr<CLinkEndpoint> m_receiver;
    std::unique_ptr<CFrameSendSocket> m_sender;
    CWakeupFd m_wake;
    std::atomic<bool> m_stopping{false};
    std::shared_mutex m_inboxLock; // the receive thread shares it; joining takes it alone
    std::unordered_multimap<std::uint64_t, CTransferInbox*> m_inboxes;
    bool m_inboxesStopped = false;
    std::thread m_thread;
};

} // namespace lumicord
