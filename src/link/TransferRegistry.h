// The transmitter threads of this process: starts one detached thread per job, keeps count of
// the running ones, and stops them at shutdown. Every store write of a transfer goes through
// here, so that after StopAll no write reaches the store, even from a thread that has not
// ended yet; the threads share the registry's state and never outlive it. A device's outcome
// is written through here too, so that it is never overwritten by the transmitter's own code.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "link/TransmitJob.h"

namespace lumicord {

class CSqlManagement;

enum class StatusColumn { Para, Logo, AntiTheft };

// Where a transfer's result goes. A device may report its outcome (through the capture
// thread) before its transmitter has written the transfer's own code; that outcome is final
// for the column, so the transmitter's code is then left out.
class CTransferStatus {
public:
    virtual ~CTransferStatus() = default;
    // Taken before a transfer starts.
    virtual std::uint64_t Mark() = 0;
    // Writes `code` of `mac` into `column` unless an outcome for them came after `mark`.
    virtual bool Write(StatusColumn column, const std::string& mac, int code,
                       std::uint64_t mark) = 0;
};

class CTransferPaths;

// What a running transfer needs beyond its job.
struct TransferLink {
    std::string captureDevice;       // the link's pcap device when the job was started
    int stopFd = -1;                 // readable once the transfer must stop
    CTransferPaths* paths = nullptr; // the receive paths the transfer joins
};

// Runs a start routine on a new detached thread; false when the thread could not be made.
using ThreadStarter = std::function<bool(std::function<void()> routine)>;
bool StartDetachedThread(std::function<void()> routine);

constexpr int kThreadStartAttempts = 5;

class CTransferRegistry {
public:
    explicit CTransferRegistry(CSqlManagement& store, ThreadStarter starter = StartDetachedThread);
    ~CTransferRegistry();
    CTransferRegistry(const CTransferRegistry&) = delete;
    CTransferRegistry& operator=(const CTransferRegistry&) = delete;

    // Starts the job on its own thread, trying up to 5 times. False when no thread could be
    // made, or after StopAll.
    bool Start(const TransmitJob& job, const std::string& captureDevice);

    // Tells every running transfer to stop, waits up to `bound` for them to end, then closes
    // the store to transfers. True when all had ended.
    bool StopAll(std::chrono::milliseconds bound);

    int Running() const;

    // The capture thread's write of a device's outcome into the store.
    bool RecordOutcome(StatusColumn column, const std::string& mac, int code);

private:
    struct State;
    std::shared_ptr<State> m_state;
};

} // namespace lumicord
