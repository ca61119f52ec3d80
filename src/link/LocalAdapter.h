// The network adapters the user can pick: our own enumeration of the Ethernet interfaces,
// kept in the record layout the rest of the link uses, and the matching pcap device.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace lumicord {

struct local_adapter_stu {
    std::uint8_t listed;     // listing flag; always 0 in the program's copy
    std::uint8_t address[8]; // the first 6 bytes are the MAC address
    char description[132];   // NUL-terminated, UTF-8
    char adapter_name[260];  // the system's adapter name (the interface name)
    std::uint8_t not_copied[3];
    std::uint8_t further_data[484]; // copied and not used
    std::uint32_t values[8];        // copied and not used
    std::uint32_t next;             // zero in the program's copy
};
static_assert(sizeof(local_adapter_stu) == 924);
static_assert(offsetof(local_adapter_stu, address) == 1);
static_assert(offsetof(local_adapter_stu, description) == 9);
static_assert(offsetof(local_adapter_stu, adapter_name) == 141);
static_assert(offsetof(local_adapter_stu, not_copied) == 401);
static_assert(offsetof(local_adapter_stu, further_data) == 404);
static_assert(offsetof(local_adapter_stu, values) == 888);
static_assert(offsetof(local_adapter_stu, next) == 920);

constexpr std::size_t kCaptureDeviceNameSize = 260; // at most 259 characters and a NUL

// Every Ethernet interface but loopback (veth included), in the system's order.
std::vector<local_adapter_stu> EnumerateLocalAdapters();

// "<description> (00:1A:2B:3C:4D:5E)"
std::u16string AdapterDisplayText(const local_adapter_stu& adapter);

} // namespace lumicord
