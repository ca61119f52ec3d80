// Following a batch as the devices page does: every second each selected device's combined
// result is read and stored, every 2 seconds the success and failure counts are refreshed,
// and every 3 seconds the batch ends once 15 seconds have passed or every selected device has
// a final result. The page runs the three steps on its own timers; OnSecond runs them on one
// clock for callers without a window.
#pragma once

#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "records/OperateStatus.h"

namespace lumicord {

class CSqlManagement;

using DeviceResultSeen = std::function<void(const std::string& mac, DeviceResult result)>;

class CBatchProgress {
public:
    CBatchProgress(CSqlManagement& store, std::vector<std::string> macs);

    // Reads and stores the combined result of each selected device, in list order, and hands
    // each to `seen` when given. The results come from one listing of the store, and a result
    // is written only when it differs from the one this batch wrote last, so a poll of a
    // thousand devices does not make two thousand queries and a thousand commits.
    void PollResults(const DeviceResultSeen& seen = {});
    // Counts the store's successful and failed devices.
    void RefreshCounts();
    // Counts taken elsewhere (the devices page's listing).
    void SetCounts(int successCount, int failCount);
    // Three more seconds of the batch. True once the batch is over.
    bool OnEndCheck();

    // One second of the batch has passed: the three steps on their periods. True once over.
    bool OnSecond();

    int SuccessCount() const { return m_successCount; }
    int FailCount() const { return m_failCount; }
    int BatchSeconds() const { return m_batchSeconds; }
    const std::vector<std::string>& Macs() const { return m_macs; }

private:
    CSqlManagement& m_store;
    std::vector<std::string> m_macs;
    std::unordered_map<std::string, DeviceResult> m_written; // result last stored per MAC
    int m_seconds = 0;
    int m_batchSeconds = 0;
    int m_successCount = 0;
    int m_failCount = 0;
};

constexpr int kBatchEndSeconds = 15;

} // namespace lumicord
