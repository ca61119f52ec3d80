// One row of the result store as it is handed to the pages.
#pragma once

#include <cstddef>
#include <cstdint>

namespace lumicord {

// One row as the store hands it out: UTF-8 texts, each NUL-terminated and cut to its field.
struct ap_info_stu {
    char mac[18];
    char date[34];
    std::int32_t para_status;
    std::int32_t logo_status;
    std::int32_t antitheft_status;
    char ssid2[34];
    char ssid5[34];
    char wpakey2[66];
    char wpakey5[66];
};
static_assert(sizeof(ap_info_stu) == 264);
static_assert(offsetof(ap_info_stu, date) == 18);
static_assert(offsetof(ap_info_stu, para_status) == 52);
static_assert(offsetof(ap_info_stu, logo_status) == 56);
static_assert(offsetof(ap_info_stu, antitheft_status) == 60);
static_assert(offsetof(ap_info_stu, ssid2) == 64);
static_assert(offsetof(ap_info_stu, ssid5) == 98);
static_assert(offsetof(ap_info_stu, wpakey2) == 132);
static_assert(offsetof(ap_info_stu, wpakey5) == 198);

} // namespace lumicord
