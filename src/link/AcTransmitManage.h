// The discovery manager: owns the link on the chosen adapter. It broadcasts discovery
// requests, runs the capture thread (every link frame addressed to the adapter) and the
// dispatch thread (new devices into the result store), keeps the devices found in this scan,
// turns outcome frames into result-log lines and store codes, and starts the transmitters.
// Its three locks (reply queue, device list, adapter list) are never held together.
#pragma once

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "link/ApDiscoverStu.h"
#include "link/DeviceList.h"
#include "link/LinkFrame.h"
#include "link/LocalAdapter.h"
#include "link/ReplyQueue.h"
#include "link/TransferRegistry.h"
#include "link/TransmitJob.h"
#include "platform/AutoResetEvent.h"
#include "platform/WakeupFd.h"

namespace lumicord {

class CResultLog;
class CSqlManagement;

class AcTransmitManage {
public:
    AcTransmitManage(CSqlManagement& store, CResultLog& resultLog);
    ~AcTransmitManage();
    AcTransmitManage(const AcTransmitManage&) = delete;
    AcTransmitManage& operator=(const AcTransmitManage&) = delete;

    // The process's manager over the process's store and result log, created on first use.
    static AcTransmitManage& Instance();
    // Destroys the process's manager (idempotent); the application calls it at shutdown,
    // before it destroys the store.
    static void DestroyInstance();

    // Stops the threads of an earlier Init, then starts the capture and dispatch threads on
    // the chosen adapter. False (with a diagnostic line) when a piece could not be made.
    // Returns once the capture thread listens (or has given up), so that the replies to a
    // request sent right afterwards are not missed.
    bool Init();
    // One discovery request through a short-lived endpoint; nothing when it cannot open.
    void BroadcastDiscovery();
    // Empties the device list, so every device answering the next request counts as new.
    void ClearDevices();

    // The adapter operations on this manager's state.
    void RefreshAdapters(std::vector<local_adapter_stu>& adapters);
    void ChooseAdapter(const local_adapter_stu& adapter);
    bool FindCaptureDevice(const local_adapter_stu& adapter);
    // Opens the chosen capture device once and closes it again: false, with the capture
    // library's reason in `why`, when a scan on it could capture nothing (no capture rights,
    // the adapter gone, no device chosen).
    bool ProbeCapture(std::string& why) const;

    // Starts one transmitter thread for `job` on the chosen adapter's device.
    bool StartTransmitJob(const TransmitJob& job);
    // Tells running transmitters to stop and waits up to `bound` for them; afterwards no
    // transmitter writes to the store and none can start.
    bool StopTransfers(std::chrono::milliseconds bound);
    int RunningTransfers() const { return m_transfers.Running(); }

    // Stops the capture and dispatch threads (if running) and waits for them to end.
    void StopThreads();

    const char* CaptureDeviceName() const { return m_captureDevice; }
    const MacAddress& AdapterMac() const { return m_adapterMac; }
    std::vector<ap_discover_stu> Devices() const { return m_devices.Snapshot(); }
    // Link threads running now (0, or 2 after a successful Init); for tests and tools.
    int RunningLinkThreads() const { return m_runningThreads.load(); }

private:
    void CaptureThread(std::string device, MacAddress adapterMac, int stopFd,
                       CAutoResetEvent* listening);
    void DispatchThread(CAutoResetEvent* newReply);
    void HandleCaptured(const LinkFrame& frame);
    void HandleDiscoveryReply(const LinkFrame& reply);

    CSqlManagement& m_store;
    CResultLog& m_resultLog;

    char m_captureDevice[kCaptureDeviceNameSize] = {};
    MacAddress m_adapterMac = {};

    std::thread m_captureThread;
    std::thread m_dispatchThread;
    std::unique_ptr<CAutoResetEvent> m_newReply;
    std::unique_ptr<CWakeupFd> m_captureWake; // wakes the capture thread's poll to stop
    std::atomic<bool> m_stopCapture{false};
    std::atomic<bool> m_stopDispatch{false};
    std::atomic<int> m_runningThreads{0};

    CReplyQueue m_replies;
    CDeviceList m_devices;
    std::mutex m_adapterLock;
    CTransferRegistry m_transfers;
};

} // namespace lumicord
