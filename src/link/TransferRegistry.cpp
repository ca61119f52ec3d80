#include "link/TransferRegistry.h"

#include <condition_variable>
#include <map>
#include <mutex>
#include <shared_mutex>
#include <system_error>
#include <thread>

#include "link/TransferPaths.h"
#include "link/Transmitter.h"
#include "platform/WakeupFd.h"
#include "records/CSqlManagement.h"

namespace lumicord {

namespace {

bool WriteColumn(CSqlManagement& store, StatusColumn column, const std::string& mac, int code) {
    switch (column) {
    case StatusColumn::Para:
        return store.SetParaStatus(mac, code);
    case StatusColumn::Logo:
        return store.SetLogoStatus(mac, code);
    case StatusColumn::AntiTheft:
        return store.SetAntiTheftStatus(mac, code);
    }
    return false;
}

} // namespace

struct CTransferRegistry::State : CTransferStatus {
    explicit State(CSqlManagement& s, ThreadStarter st) : store(&s), starter(std::move(st)) {}

    std::uint64_t Mark() override {
        std::lock_guard lock(outcomeLock);
        return outcomeCount;
    }

    bool Write(StatusColumn column, const std::string& mac, int code, std::uint64_t mark) override {
        std::lock_guard lock(outcomeLock);
        const auto found = lastOutcome.find({mac, column});
        if (found != lastOutcome.end() && found->second > mark)
            return false;
        std::shared_lock gate(storeGate);
        if (storeClosed)
            return false;
        return WriteColumn(*store, column, mac, code);
    }

    bool RecordOutcome(StatusColumn column, const std::string& mac, int code) {
        std::lock_guard lock(outcomeLock);
        lastOutcome[{mac, column}] = ++outcomeCount;
        return WriteColumn(*store, column, mac, code);
    }

    void Finished() {
        std::lock_guard lock(mutex);
        --running;
        ended.notify_all();
    }

    CSqlManagement* store;
    ThreadStarter starter;
    // Taken before the store's own lock, never the other way round.
    std::mutex outcomeLock;
    std::map<std::pair<std::string, StatusColumn>, std::uint64_t> lastOutcome;
    std::uint64_t outcomeCount = 0;
    CWakeupFd stop;
    CTransferPaths paths;
    std::shared_mutex storeGate; // writers share it; closing takes it alone
    bool storeClosed = false;
    std::mutex mutex;
    std::condition_variable ended;
    int running = 0;
    bool stopping = false;
};

bool StartDetachedThread(std::function<void()> routine) {
    try {
        std::thread(std::move(routine)).detach();
        return true;
    } catch (const std::system_error&) {
        return false;
    }
}

CTransferRegistry::CTransferRegistry(CSqlManagement& store, ThreadStarter starter)
    : m_state(std::make_shared<State>(store, std::move(starter))) {}

CTransferRegistry::~CTransferRegistry() {
    StopAll(std::chrono::seconds(2));
}

bool CTransferRegistry::Start(const TransmitJob& job, const std::string& captureDevice) {
    const std::shared_ptr<State> state = m_state;
    {
        std::lock_guard lock(state->mutex);
        if (state->stopping)
            return false;
        ++state->running;
    }
    for (int attempt = 0; attempt < kThreadStartAttempts; ++attempt) {
        // The routine owns a copy of the job and a share of the state; the page's job may go.
        auto routine = [state, job,
                        link = TransferLink{captureDevice, state->stop.Fd(), &state->paths}] {
            RunTransmitJob(job, link, *state);
            state->Finished();
        };
        if (state->starter(std::move(routine)))
            return true;
    }
    state->Finished();
    return false;
}

bool CTransferRegistry::StopAll(std::chrono::milliseconds bound) {
    State& state = *m_state;
    bool allEnded = false;
    {
        std::unique_lock lock(state.mutex);
        state.stopping = true;
        state.stop.Signal();
        state.paths.StopAll();
        allEnded = state.ended.wait_for(lock, bound, [&] { return state.running == 0; });
    }
    // Waits for a write in progress; later writes are dropped.
    std::unique_lock gate(state.storeGate);
    state.storeClosed = true;
    return allEnded;
}

bool CTransferRegistry::RecordOutcome(StatusColumn column, const std::string& mac, int code) {
    return m_state->RecordOutcome(column, mac, code);
}

int CTransferRegistry::Running() const {
    std::lock_guard lock(m_state->mutex);
    return m_state->running;
}

} // namespace lumicord
