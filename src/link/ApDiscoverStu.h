// One discovered device as the discovery manager keeps it and hands it to the result store.
#pragma once

#include <cstddef>

namespace lumicord {

struct ap_discover_stu {
    char mac[18];        // "%02X:%02X:%02X:%02X:%02X:%02X" of the reply's src_mac
    char found_time[32]; // "%04d-%02d-%02d %02d:%02d:%02d" local time of the first reply
    char ssid2[34];      // the reply's dev_info, copied unchanged (200 bytes from here)
    char ssid5[34];
    char wpakey2[66];
    char wpakey5[66];
};
static_assert(sizeof(ap_discover_stu) == 250);
static_assert(offsetof(ap_discover_stu, mac) == 0);
static_assert(offsetof(ap_discover_stu, found_time) == 18);
static_assert(offsetof(ap_discover_stu, ssid2) == 50);
static_assert(offsetof(ap_discover_stu, ssid5) == 84);
static_assert(offsetof(ap_discover_stu, wpakey2) == 118);
static_assert(offsetof(ap_discover_stu, wpakey5) == 184);

} // namespace lumicord
