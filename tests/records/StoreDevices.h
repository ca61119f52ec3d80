// Discovered-device records and row look-ups shared by the result store tests.
#pragma once

#include <algorithm>
#include <cstring>
#include <list>
#include <string>
#include <vector>

#include "link/ApDiscoverStu.h"
#include "records/CSqlManagement.h"

inline lumicord::ap_discover_stu MakeDevice(const std::string& mac, const std::string& ssid2 = "",
                                            const std::string& ssid5 = "") {
    lumicord::ap_discover_stu device;
    std::memset(&device, 0, sizeof device);
    std::memcpy(device.mac, mac.data(), std::min(mac.size(), sizeof device.mac));
    std::memcpy(device.found_time, "2026-12-11 09:30:00", 19);
    std::memcpy(device.ssid2, ssid2.data(), std::min(ssid2.size(), sizeof device.ssid2));
    std::memcpy(device.ssid5, ssid5.data(), std::min(ssid5.size(), sizeof device.ssid5));
    return device;
}

// Every row, ascending by MAC, without a filter.
inline std::list<lumicord::ap_info_stu> AllRows(lumicord::CSqlManagement& store) {
    std::list<lumicord::ap_info_stu> rows;
    int count = 0;
    int success = 0;
    int failed = 0;
    store.ListDevices(rows, count, success, failed, true, lumicord::SortByMac, u"");
    return rows;
}

inline std::vector<std::string> Macs(const std::list<lumicord::ap_info_stu>& rows) {
    std::vector<std::string> macs;
    for (const auto& row : rows)
        macs.emplace_back(row.mac);
    return macs;
}
