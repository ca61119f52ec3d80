#include "link/DeviceList.h"

#include <cstring>

namespace lumicord {

bool CDeviceList::AddIfNew(const ap_discover_stu& device,
                           const std::function<void(const ap_discover_stu&)>& enter) {
    std::lock_guard lock(m_lock);
    for (const ap_discover_stu& known : m_devices)
        if (std::strncmp(known.mac, device.mac, sizeof known.mac) == 0)
            return false;
    m_devices.push_back(device);
    enter(m_devices.back());
    return true;
}

void CDeviceList::Clear() {
    std::lock_guard lock(m_lock);
    m_devices.clear();
}

std::vector<ap_discover_stu> CDeviceList::Snapshot() const {
    std::lock_guard lock(m_lock);
    return m_devices;
}

std::size_t CDeviceList::Count() const {
    std::lock_guard lock(m_lock);
    return m_devices.size();
}

} // namespace lumicord
