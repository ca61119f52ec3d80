#include "link/TransferPath.h"

#include <mutex>
#include <new>
#include <system_error>

namespace lumicord {
namespace {

std::uint64_t MacKey(const std::uint8_t* mac) {
    std::uint64_t key = 0;
    for (int i = 0; i < 6; ++i)
        key = (key << 8) | mac[i];
    return key;
}

// How long the receive thread leaves a failing endpoint alone before reading again.
constexpr std::chrono::milliseconds kErrorPause{10};

} // namespace

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
        path->m_thread = std::thread([raw = path.get()] { raw->ReceiveThread(); });
    } catch (const std::system_error&) {
        return nullptr;
    }
    return path;
}

CTransferPath::CTransferPath(std::unique_ptr<CLinkEndpoint> receiver,
                             std::unique_ptr<CFrameSendSocket> sender)
    : m_receiver(std::move(receiver)), m_sender(std::move(sender)) {}

CTransferPath::~CTransferPath() {
    m_stopping = true;
    m_wake.Signal();
    if (m_thread.joinable())
        m_thread.join();
}

bool CTransferPath::Send(const LinkFrame& frame) {
    return m_sender->Send(&frame, kLinkFrameSize);
}

void CTransferPath::Join(const MacAddress& device, CTransferInbox& inbox) {
    std::unique_lock lock(m_inboxLock);
    m_inboxes.emplace(MacKey(device.data()), &inbox);
    if (m_inboxesStopped)
        inbox.Stop();
}

void CTransferPath::Leave(const MacAddress& device, CTransferInbox& inbox) {
    std::unique_lock lock(m_inboxLock);
    const auto [first, last] = m_inboxes.equal_range(MacKey(device.data()));
    for (auto it = first; it != last; ++it) {
        if (it->second == &inbox) {
            m_inboxes.erase(it);
            return;
        }
    }
}

void CTransferPath::StopInboxes() {
    std::unique_lock lock(m_inboxLock);
    m_inboxesStopped = true;
    for (auto& [key, inbox] : m_inboxes)
        inbox->Stop();
}

void CTransferPath::ReceiveThread() {
    LinkFrame frame;
    while (!m_stopping) {
        const ReceiveResult received = m_receiver->Receive(frame);
        if (received == ReceiveResult::Frame) {
            HandOn(frame);
            continue;
        }
        if (received == ReceiveResult::Error) {
            const auto until = std::chrono::steady_clock::now() + kErrorPause;
            WaitReadable(-1, m_wake.Fd(), &until);
            continue;
        }
        WaitReadable(m_receiver->SelectableFd(), m_wake.Fd(), nullptr);
    }
}

void CTransferPath::HandOn(const LinkFrame& frame) {
    std::shared_lock lock(m_inboxLock);
    const auto [first, last] = m_inboxes.equal_range(MacKey(frame.src_mac));
    for (auto it = first; it != last; ++it)
        it->second->Push(frame);
}

} // namespace lumicord
