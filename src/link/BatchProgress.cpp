#include "link/BatchProgress.h"

#include <cstring>
#include <list>

#include "records/CSqlManagement.h"

namespace lumicord {

CBatchProgress::CBatchProgress(CSqlManagement& store, std::vector<std::string> macs)
    : m_store(store), m_macs(std::move(macs)) {}

void CBatchProgress::PollResults(const DeviceResultSeen& seen) {
    std::list<ap_info_stu> rows;
    int rowCount = 0;
    int successCount = 0;
    int failCount = 0;
    m_store.ListDevices(rows, rowCount, successCount, failCount, true, SortByMac, u"");
    std::unordered_map<std::string, DeviceResult> current;
    current.reserve(rows.size());
    for (const ap_info_stu& row : rows)
        current.emplace(std::string(row.mac, strnlen(row.mac, sizeof row.mac)),
                        CombineStatuses(row.para_status, row.logo_status, row.antitheft_status));
    std::vector<std::pair<std::string, int>> changed;
    std::vector<DeviceResult> results;
    results.reserve(m_macs.size());
    for (const std::string& mac : m_macs) {
        const auto found = current.find(mac);
        // A device without a row reads as not started, and there is no row to write to.
        const DeviceResult result = found == current.end() ? ResultNotStarted : found->second;
        const auto written = m_written.find(mac);
        if (found != current.end() && (written == m_written.end() || written->second != result)) {
            changed.emplace_back(mac, result);
            m_written[mac] = result;
        }
        results.push_back(result);
    }
    if (!changed.empty())
        m_store.SetResults(changed);
    if (seen)
        for (std::size_t i = 0; i < m_macs.size(); ++i)
            seen(m_macs[i], results[i]);
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
