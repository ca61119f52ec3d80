#include "link/BatchProgress.h"

#include <list>

#include "records/CSqlManagement.h"

namespace lumicord {

CBatchProgress::CBatchProgress(CSqlManagement& store, std::vector<std::string> macs)
    : m_store(store), m_macs(std::move(macs)) {}

void CBatchProgress::PollResults(const DeviceResultSeen& seen) {
    for (const std::string& mac : m_macs) {
        const DeviceResult result = m_store.GetDeviceResult(mac);
        m_store.SetResult(mac, result);
        if (seen)
            seen(mac, result);
    }
}

void CBatchProgress::RefreshCounts() {
    std::list<ap_info_stu> rows;
    int rowCount = 0;
    int successCount = 0;
    int failCount = 0;
    m_store.ListDevices(rows, rowCount, successCount, failCount, true, SortByMac, u"");
    SetCounts(successCount, failCount);
}

void CBatchProgress::SetCounts(int successCount, int failCount) {
    m_successCount = successCount;
    m_failCount = failCount;
}

bool CBatchProgress::OnEndCheck() {
    m_batchSeconds += 3;
    return m_batchSeconds >= kBatchEndSeconds ||
           m_successCount + m_failCount == static_cast<int>(m_macs.size());
}

bool CBatchProgress::OnSecond() {
    ++m_seconds;
    PollResults();
    if (m_seconds % 2 == 0)
        RefreshCounts();
    return m_seconds % 3 == 0 && OnEndCheck();
}

} // namespace lumicord
