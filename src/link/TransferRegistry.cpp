#include "link/TransferRegistry.h"

#include <condition_variable>
#include <mutex>
#include <shared_mutex>
#include <system_error>
#include <thread>

#include "link/Transmitter.h"
#include "platform/WakeupFd.h"
#include "records/CSqlManagement.h"

namespace lumicord {

struct CTransferRegistry::State {
    explicit State(CSqlManagement& s, ThreadStarter st) : store(&s), starter(std::move(st)) {}

    bool Record(StatusColumn column, const std::string& mac, int code) {
        std::shared_lock gate(storeGate);
        if (storeClosed)
            return false;
        switch (column) {
        case StatusColumn::Para:
            return store->SetParaStatus(mac, code);
        case StatusColumn::Logo:
            return store->SetLogoStatus(mac, code);
        case StatusColumn::AntiTheft:
            return store->SetAntiTheftStatus(mac, code);
        }
        return false;
    }

    void Finished() {
        std::lock_guard lock(mutex);
        --running;
        ended.notify_all();
    }

    CSqlManagement* store;
    ThreadStarter starter;
    CWakeupFd stop;
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
        auto routine = [state, job, link = TransferLink{captureDevice, state->stop.Fd()}] {
            RunTransmitJob(job, link, [&](StatusColumn column, const std::string& mac, int code) {
                return state->Record(column, mac, code);
            });
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
        allEnded = state.ended.wait_for(lock, bound, [&] { return state.running == 0; });
    }
    // Waits for a write in progress; later writes are dropped.
    std::unique_lock gate(state.storeGate);
    state.storeClosed = true;
    return allEnded;
}

int CTransferRegistry::Running() const {
    std::lock_guard lock(m_state->mutex);
    return m_state->running;
}

} // namespace lumicord
