// The scan's timing, as the adapter and devices pages run it on a one-second timer: the row
// count is compared every 4th tick, the scan ends at the first comparison without a new device,
// and while devices keep appearing a new request goes out every 12th tick.
#pragma once

namespace lumicord {

enum class ScanStep { Continue, Rebroadcast, Finished };

class CScanProgress {
public:
    // One timer tick with the store's current row count.
    ScanStep OnTick(int rowCount);
    int Ticks() const { return m_ticks; }

private:
    int m_ticks = 0;
    int m_lastCount = 0;
};

} // namespace lumicord
