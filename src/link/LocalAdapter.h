// The network adapters the user can pick: our own enumeration of the Ethernet interfaces,
// kept in the record layout the rest of the link uses, and the matching pcap device.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
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

// The adapter nodes as the enumeration makes them: one per Ethernet interface but loopback
// (veth included), in the system's order, each with the listing flag at 1.
std::vector<local_adapter_stu> ReadAdapterNodes();

// The program's copy of a node: offsets 1-400 and 404-919; 0, 401-403 and 920-923 stay zero.
local_adapter_stu CopyAdapterRecord(const local_adapter_stu& node);

// The listing rule: a copy of every node whose listing flag is 1, in order.
std::vector<local_adapter_stu> ListAdapters(const std::vector<local_adapter_stu>& nodes);

// ListAdapters(ReadAdapterNodes()).
std::vector<local_adapter_stu> EnumerateLocalAdapters();

// "<description> (00:1A:2B:3C:4D:5E)"
std::u16string AdapterDisplayText(const local_adapter_stu& adapter);

// Names of the capture devices in pcap's order; false when the listing fails.
using CaptureDeviceLister = std::function<bool(std::vector<std::string>& names)>;
bool ListPcapDevices(std::vector<std::string>& names);

// Copies into `deviceName` (cleared first, NUL-terminated, up to 259 characters) the first
// device whose name contains the adapter's system name. False when none matches (the name is
// left as it was) or when the listing fails ("pcap_findalldevs error" through the system
// message callback).
bool FindCaptureDevice(const local_adapter_stu& adapter, char (&deviceName)[kCaptureDeviceNameSize],
                       const CaptureDeviceLister& lister = ListPcapDevices);

} // namespace lumicord
