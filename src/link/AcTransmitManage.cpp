#include "link/AcTransmitManage.h"

#include <cstdio>
#include <cstring>
#include <new>
#include <system_error>

#include "app/DiagnosticLog.h"
#include "link/LinkEndpoint.h"
#include "link/LinkOutcome.h"
#include "platform/LocalClock.h"
#include "platform/OpenFileLimit.h"
#include "platform/ProgramDirectory.h"
#include "records/CSqlManagement.h"
#include "records/ResultLog.h"

namespace lumicord {
namespace {

constexpr int kLinkReadTimeoutMs = 1;
// How long Init waits for the capture thread to open its endpoint.
constexpr std::chrono::seconds kListenWait{2};
// How long the capture thread leaves a failing endpoint alone before reading again.
constexpr std::chrono::milliseconds kCaptureErrorPause{10};

std::string FoundTimeText() {
    const LocalTime now = ReadLocalTime();
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", now.year, now.month, now.day,
                  now.hour, now.minute, now.second);
    return text;
}

template <class Routine> bool StartThread(std::thread& thread, Routine routine) {
    try {
        thread = std::thread(std::move(routine));
        return true;
    } catch (const std::system_error&) {
        return false;
    }
}

} // namespace

AcTransmitManage::AcTransmitManage(CSqlManagement& store, CResultLog& resultLog)
    : m_store(store), m_resultLog(resultLog), m_transfers(store) {
    // Every running transfer keeps its file open: a thousand of them need more descriptors
    // than the usual soft limit of 1024.
    RaiseOpenFileLimit();
}

AcTransmitManage::~AcTransmitManage() {
    StopTransfers(std::chrono::seconds(2));
    StopThreads();
}

namespace {
std::mutex g_instanceMutex;
std::unique_ptr<AcTransmitManage> g_instance;
} // namespace

AcTransmitManage& AcTransmitManage::Instance() {
    static CResultLog resultLog(ProgramDirectory() + "Log/");
    std::lock_guard lock(g_instanceMutex);
    if (!g_instance)
        g_instance = std::make_unique<AcTransmitManage>(CSqlManagement::Instance(), resultLog);
    return *g_instance;
}

void AcTransmitManage::DestroyInstance() {
    std::unique_ptr<AcTransmitManage> instance;
    {
        std::lock_guard lock(g_instanceMutex);
        instance = std::move(g_instance);
    }
}

void AcTransmitManage::StopThreads() {
    m_stopCapture = true;
    m_stopDispatch = true;
    if (m_captureWake)
        m_captureWake->Signal();
    if (m_newReply)
        m_newReply->Set();
    if (m_captureThread.joinable())
        m_captureThread.join();
    if (m_dispatchThread.joinable())
        m_dispatchThread.join();
    m_stopCapture = false;
    m_stopDispatch = false;
}

bool AcTransmitManage::Init() {
    StopThreads();

    m_newReply.reset(new (std::nothrow) CAutoResetEvent);
    if (!m_newReply) {
        WriteDiagnosticLine(__PRETTY_FUNCTION__, kDiagnosticError, __LINE__,
                            "create event_manage_discover fail");
        return false;
    }
    m_captureWake.reset(new (std::nothrow) CWakeupFd);
    // The capture thread gets its own copy of the adapter state: it may change while the
    // thread runs only through a later Init.
    const std::string device = m_captureDevice;
    const int wakeFd = m_captureWake && m_captureWake->Valid() ? m_captureWake->Fd() : -1;
    // Shared with the capture thread, which may still be signalling it when Init returns.
    const auto listening = std::make_shared<CAutoResetEvent>();
    if (!StartThread(m_captureThread, [this, device, mac = m_adapterMac, wakeFd, listening] {
            CaptureThread(device, mac, wakeFd, listening.get());
        })) {
        WriteDiagnosticLine(__PRETTY_FUNCTION__, kDiagnosticError, __LINE__,
                            "create thread_recv_discover fail");
        return false;
    }
    listening->WaitFor(kListenWait);
    if (!StartThread(m_dispatchThread,
                     [this, event = m_newReply.get()] { DispatchThread(event); })) {
        WriteDiagnosticLine(__PRETTY_FUNCTION__, kDiagnosticError, __LINE__,
                            "create thread_manage_discover fail");
        return false;
    }
    return true;
}

void AcTransmitManage::BroadcastDiscovery() {
    auto endpoint =
        CLinkEndpoint::Open(m_captureDevice, kLinkReadTimeoutMs, EndpointUse::DiscoverySender);
    if (!endpoint)
        return;
    endpoint->Send(BuildDiscoveryRequest(m_adapterMac));
}

void AcTransmitManage::ClearDevices() {
    m_devices.Clear();
}

void AcTransmitManage::RefreshAdapters(std::vector<local_adapter_stu>& adapters) {
    std::lock_guard lock(m_adapterLock);
    adapters = EnumerateLocalAdapters();
}

void AcTransmitManage::ChooseAdapter(const local_adapter_stu& adapter) {
    std::memcpy(m_adapterMac.data(), adapter.address, m_adapterMac.size());
    FindCaptureDevice(adapter);
}

bool AcTransmitManage::FindCaptureDevice(const local_adapter_stu& adapter) {
    return lumicord::FindCaptureDevice(adapter, m_captureDevice);
}

bool AcTransmitManage::ProbeCapture(std::string& why) const {
    return CLinkEndpoint::Open(m_captureDevice, kLinkReadTimeoutMs, EndpointUse::DiscoverySender,
                               &why) != nullptr;
}

bool AcTransmitManage::StartTransmitJob(const TransmitJob& job) {
    return m_transfers.Start(job, m_captureDevice);
}

bool AcTransmitManage::StopTransfers(std::chrono::milliseconds bound) {
    return m_transfers.StopAll(bound);
}

void AcTransmitManage::CaptureThread(std::string device, MacAddress adapterMac, int stopFd,
                                     CAutoResetEvent* listening) {
    ++m_runningThreads;
    auto endpoint = CLinkEndpoint::Open(device, kLinkReadTimeoutMs, EndpointUse::Capture);
    if (endpoint) {
        endpoint->SetFilter(CaptureThreadFilterExpression(adapterMac));
        // Reads never block; the thread sleeps in poll until a frame or the stop arrives.
        endpoint->SetNonBlocking(true);
        endpoint->SetInboundOnly();
    }
    listening->Set(); // Init may go on
    if (endpoint) {
        while (!m_stopCapture) {
            LinkFrame frame;
            const ReceiveResult received = endpoint->Receive(frame);
            if (received == ReceiveResult::Frame) {
                HandleCaptured(frame);
                continue;
            }
            if (received == ReceiveResult::Error) {
                const auto until = std::chrono::steady_clock::now() + kCaptureErrorPause;
                WaitReadable(-1, stopFd, &until);
                continue;
            }
            WaitReadable(endpoint->SelectableFd(), stopFd, nullptr);
        }
    }
    --m_runningThreads;
}

void AcTransmitManage::HandleCaptured(const LinkFrame& frame) {
    const std::uint16_t msgType = frame.msg_type.get();
    const std::uint16_t opCode = frame.op_code.get();
    if (msgType == MsgDiscover && opCode == OpReply) {
        m_replies.Push(frame);
        m_newReply->Set();
        return;
    }
    const std::optional<LinkOutcome> outcome = OutcomeOf(msgType, opCode);
    if (!outcome)
        return;
    const std::string mac = MacText(frame.src_mac);
    m_resultLog.Write(outcome->logKind, mac, outcome->success);
    m_transfers.RecordOutcome(outcome->column, mac, outcome->code);
}

void AcTransmitManage::DispatchThread(CAutoResetEvent* newReply) {
    ++m_runningThreads;
    for (;;) {
        newReply->Wait();
        if (m_stopDispatch)
            break;
        for (const LinkFrame& reply : m_replies.TakeAll())
            HandleDiscoveryReply(reply);
    }
    --m_runningThreads;
}

void AcTransmitManage::HandleDiscoveryReply(const LinkFrame& reply) {
    const std::string time = FoundTimeText();
    const std::string mac = MacText(reply.src_mac);
    ap_discover_stu device;
    std::memset(&device, 0, sizeof device);
    std::memcpy(device.mac, mac.data(), std::min(mac.size(), sizeof device.mac - 1));
    std::memcpy(device.found_time, time.data(),
                std::min(time.size(), sizeof device.found_time - 1));
    static_assert(sizeof device - offsetof(ap_discover_stu, ssid2) == kDevInfoSize);
    std::memcpy(device.ssid2, reply.dev_info, kDevInfoSize);
    m_devices.AddIfNew(device,
                       [this](const ap_discover_stu& entered) { m_store.AddDevice(entered); });
}

} // namespace lumicord
