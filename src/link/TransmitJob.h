// The job a page hands to a transmitter thread: which device, what to send, and how.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "link/MacText.h"

namespace lumicord {

enum JobKind : std::int32_t {
    JobLogo = 1,          // logo file, file_count 1, logo column
    JobConfigFile = 2,    // configuration file, file_count 1, parameters column
    JobLogoAndConfig = 3, // logo then configuration, file_count 2 each (every other value too)
    JobAntiTheft = 4,     // anti-theft command, anti-theft column
};

constexpr std::size_t kJobPathSize = 260;
constexpr std::size_t kJobCommandSize = 512;

struct TransmitJob {
    std::uint8_t dst_mac[6];
    std::uint8_t src_mac[6];
    std::uint8_t ether_type[2]; // 0x62 0x62: the first 14 bytes of every frame of the job
    std::uint8_t reserved[2];
    std::int32_t kind;
    char config_path[kJobPathSize];
    char logo_path[kJobPathSize];
    char command_text[kJobCommandSize];
};
static_assert(sizeof(TransmitJob) == 1052);
static_assert(offsetof(TransmitJob, dst_mac) == 0);
static_assert(offsetof(TransmitJob, src_mac) == 6);
static_assert(offsetof(TransmitJob, ether_type) == 12);
static_assert(offsetof(TransmitJob, reserved) == 14);
static_assert(offsetof(TransmitJob, kind) == 16);
static_assert(offsetof(TransmitJob, config_path) == 20);
static_assert(offsetof(TransmitJob, logo_path) == 280);
static_assert(offsetof(TransmitJob, command_text) == 540);

// A zeroed job for `device` from the adapter `adapter`, with the EtherType bytes set.
TransmitJob MakeTransmitJob(const MacAddress& device, const MacAddress& adapter, std::int32_t kind);

// Copies `text` into a job field of `size` bytes, cut to leave room for the NUL. False when
// it had to be cut.
bool SetJobText(char* field, std::size_t size, std::string_view text);

} // namespace lumicord
