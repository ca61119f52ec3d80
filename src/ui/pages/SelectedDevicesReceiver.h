// A page that works on the devices ticked on the devices page (the customization and the
// anti-theft page). The devices page shows it, then hands it the ticked devices' MAC texts
// ("AA:BB:CC:DD:EE:FF", in grid row order).
#pragma once

#include <string>
#include <vector>

namespace lumicord {

class CSelectedDevicesReceiver {
public:
    virtual ~CSelectedDevicesReceiver() = default;
    virtual void SetSelectedDevices(const std::vector<std::string>& macs) = 0;
};

} // namespace lumicord
