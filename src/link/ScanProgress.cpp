#include "link/ScanProgress.h"

namespace lumicord {

ScanStep CScanProgress::OnTick(int rowCount) {
    ++m_ticks;
    if (m_ticks == 1)
        m_lastCount = rowCount;
    if (m_ticks % 4 != 0)
        return ScanStep::Continue;
    if (rowCount == m_lastCount) {
        m_ticks = 0;
        m_lastCount = 0;
        return ScanStep::Finished;
    }
    m_lastCount = rowCount;
    return m_ticks % 6 == 0 ? ScanStep::Rebroadcast : ScanStep::Continue;
}

} // namespace lumicord
