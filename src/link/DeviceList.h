// The devices found since the list was last cleared, one record per MAC, in the order found.
#pragma once

#include <cstddef>
#include <functional>
#include <mutex>
#include <vector>

#include "link/ApDiscoverStu.h"

namespace lumicord {

class CDeviceList {
public:
    // Appends `device` unless its MAC is listed, then hands it to `enter` while still holding
    // the lock, so that a Clear waits for an entry in progress. False for a known MAC.
    bool AddIfNew(const ap_discover_stu& device,
                  const std::function<void(const ap_discover_stu&)>& enter);
    void Clear();
    std::vector<ap_discover_stu> Snapshot() const;
    std::size_t Count() const;

private:
    mutable std::mutex m_lock;
    std::vector<ap_discover_stu> m_devices;
};

} // namespace lumicord
