// Finds the pcap device that belongs to an adapter.
#include <pcap/pcap.h>

#include <algorithm>
#include <cstring>

#include "link/LinkFrame.h"
#include "link/LocalAdapter.h"
#include "platform/SystemMessage.h"

namespace lumicord {

bool ListPcapDevices(std::vector<std::string>& names) {
    char errbuf[PCAP_ERRBUF_SIZE] = {};
    pcap_if_t* devices = nullptr;
    if (pcap_findalldevs(&devices, errbuf) != 0)
        return false;
    for (pcap_if_t* device = devices; device != nullptr; device = device->next)
        names.emplace_back(device->name != nullptr ? device->name : "");
    pcap_freealldevs(devices);
    return true;
}

bool FindCaptureDevice(const local_adapter_stu& adapter, char (&deviceName)[kCaptureDeviceNameSize],
                       const CaptureDeviceLister& lister) {
    std::vector<std::string> names;
    if (!lister(names)) {
        ShowSystemMessage("pcap_findalldevs error");
        return false;
    }
    const std::string adapterName = FieldText(
        reinterpret_cast<const std::uint8_t*>(adapter.adapter_name), sizeof adapter.adapter_name);
    for (const std::string& name : names) {
        if (name.find(adapterName) == std::string::npos)
            continue;
        std::memset(deviceName, 0, kCaptureDeviceNameSize);
        std::memcpy(deviceName, name.data(), std::min(name.size(), kCaptureDeviceNameSize - 1));
        return true;
    }
    return false;
}

} // namespace lumicord
