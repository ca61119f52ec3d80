#include "link/BatchProgress.h"

#include <list>

#include "records/CSqlManagement.h"

namespace lumicord {

CBatchProgress::CBatchProgress(CSqlManagement& store, std::vector<std::string> macs)
    : m_store(store), m_macs(std::move(macs)) {}

bool CBatchProgress::OnSecond() {
    ++m_seconds;
    for (const std::string& mac : m_macs)
        m_store.SetResult(mac, m_store.GetDeviceResult(mac));
    if (m_seconds % 2 == 0) {
        std::list<ap_info_stu> rows;
        int rowCount = 0;
        m_successCount = 0;
        m_failCount = 0;
        m_store.ListDevices(rows, rowCount, m_successCount, m_failCount, true, SortByMac, u"");
    }
    if (m_seconds % 3 != 0)
        return false;
    m_batchSeconds += 3;
    return m_batchSeconds >= kBatchEndSeconds ||
           m_successCount + m_failCount == static_cast<int>(m_macs.size());
}

} // namespace lumicord
