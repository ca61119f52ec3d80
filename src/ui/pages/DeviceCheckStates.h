// The tick boxes of the devices grid: one state per device row, sized to the rows listed,
// and the header box that shows none (0), all (1) or some (2) of them ticked.
#pragma once

#include <vector>

namespace lumicord {

enum CheckState { kCheckNone = 0, kCheckAll = 1, kCheckSome = 2 };

class CDeviceCheckStates {
public:
    // `deviceRows` rows, none ticked.
    void Reset(int deviceRows);
    int DeviceRows() const { return static_cast<int>(m_rows.size()); }

    // Header box click: ticks every row when none is ticked, otherwise unticks every row.
    void ClickHeader();
    // Toggles device row `row` (from 1, as the grid counts); rows out of range are ignored.
    void ToggleRow(int row);
    // Unticks every row.
    void ClearAll();

    bool IsTicked(int row) const;
    int TickedCount() const { return m_tickedCount; }
    // 1 when every row is ticked (and there is one), 2 when some are, 0 when none.
    CheckState HeaderState() const;
    // The device rows ticked, in row order (from 1).
    std::vector<int> TickedRows() const;

private:
    std::vector<char> m_rows; // index 0 is device row 1
    int m_tickedCount = 0;
};

} // namespace lumicord
