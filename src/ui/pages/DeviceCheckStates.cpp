#include "ui/pages/DeviceCheckStates.h"

#include <algorithm>

namespace lumicord {

void CDeviceCheckStates::Reset(int deviceRows) {
    m_rows.assign(static_cast<std::size_t>(std::max(deviceRows, 0)), 0);
    m_tickedCount = 0;
}

void CDeviceCheckStates::ClickHeader() {
    const bool tick = HeaderState() == kCheckNone;
    std::fill(m_rows.begin(), m_rows.end(), tick ? 1 : 0);
    m_tickedCount = tick ? DeviceRows() : 0;
}

void CDeviceCheckStates::ToggleRow(int row) {
    if (row < 1 || row > DeviceRows())
        return;
    char& state = m_rows[static_cast<std::size_t>(row - 1)];
    state = state != 0 ? 0 : 1;
    m_tickedCount = state != 0 ? m_tickedCount + 1 : std::max(m_tickedCount - 1, 0);
}

void CDeviceCheckStates::ClearAll() {
    std::fill(m_rows.begin(), m_rows.end(), 0);
    m_tickedCount = 0;
}

bool CDeviceCheckStates::IsTicked(int row) const {
    return row >= 1 && row <= DeviceRows() && m_rows[static_cast<std::size_t>(row - 1)] != 0;
}

CheckState CDeviceCheckStates::HeaderState() const {
    if (m_tickedCount == 0)
        return kCheckNone;
    return m_tickedCount == DeviceRows() ? kCheckAll : kCheckSome;
}

std::vector<int> CDeviceCheckStates::TickedRows() const {
    std::vector<int> rows;
    rows.reserve(static_cast<std::size_t>(m_tickedCount));
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        if (m_rows[i] != 0)
            rows.push_back(static_cast<int>(i) + 1);
    return rows;
}

} // namespace lumicord
