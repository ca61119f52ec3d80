// Following a batch as the devices page does: every second each selected device's combined
// result is read and stored, every 2 seconds the success and failure counts are refreshed,
// and every 3 seconds the batch ends once 15 seconds have passed or every selected device has
// a final result.
#pragma once

#include <string>
#include <vector>

#include "records/OperateStatus.h"

namespace lumicord {

class CSqlManagement;

class CBatchProgress {
public:
    CBatchProgress(CSqlManagement& store, std::vector<std::string> macs);

    // One second of the batch has passed. True once the batch is over.
    bool OnSecond();

    int SuccessCount() const { return m_successCount; }
    int FailCount() const { return m_failCount; }
    const std::vector<std::string>& Macs() const { return m_macs; }

private:
    CSqlManagement& m_store;
    std::vector<std::string> m_macs;
    int m_seconds = 0;
    int m_batchSeconds = 0;
    int m_successCount = 0;
    int m_failCount = 0;
};

constexpr int kBatchEndSeconds = 15;

} // namespace lumicord
