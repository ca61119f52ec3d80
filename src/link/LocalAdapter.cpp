#include "link/LocalAdapter.h"

#include <ifaddrs.h>
#include <linux/ethtool.h>
#include <linux/if_arp.h>
#include <linux/if_packet.h>
#include <linux/sockios.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

#include "link/MacText.h"
#include "platform/TextConversion.h"

namespace lumicord {
namespace {

void CopyText(char* field, std::size_t width, const std::string& text) {
    std::memset(field, 0, width);
    std::memcpy(field, text.data(), std::min(text.size(), width - 1));
}

// The driver's name ("e1000e", "veth"), empty when the interface does not say.
std::string DriverName(int socketFd, const char* interfaceName) {
    ethtool_drvinfo info{};
    info.cmd = ETHTOOL_GDRVINFO;
    ifreq request{};
    std::strncpy(request.ifr_name, interfaceName, IFNAMSIZ - 1);
    request.ifr_data = reinterpret_cast<char*>(&info);
    if (socketFd < 0 || ioctl(socketFd, SIOCETHTOOL, &request) != 0)
        return {};
    return std::string(info.driver, strnlen(info.driver, sizeof info.driver));
}

std::string Description(int socketFd, const char* interfaceName) {
    const std::string driver = DriverName(socketFd, interfaceName);
    if (driver.empty())
        return interfaceName;
    return std::string(interfaceName) + " - " + driver;
}

} // namespace

std::vector<local_adapter_stu> ReadAdapterNodes() {
    std::vector<local_adapter_stu> nodes;
    ifaddrs* addresses = nullptr;
    // The link entries come from netlink, so they are those of the calling thread's network
    // namespace (sysfs may still show another one).
    if (getifaddrs(&addresses) != 0)
        return nodes;
    const int socketFd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    for (ifaddrs* entry = addresses; entry != nullptr; entry = entry->ifa_next) {
        if (entry->ifa_addr == nullptr || entry->ifa_addr->sa_family != AF_PACKET ||
            entry->ifa_name == nullptr || (entry->ifa_flags & IFF_LOOPBACK) != 0)
            continue;
        const auto* link = reinterpret_cast<const sockaddr_ll*>(entry->ifa_addr);
        if (link->sll_hatype != ARPHRD_ETHER || link->sll_halen != 6)
            continue;
        local_adapter_stu node{};
        node.listed = 1;
        std::memcpy(node.address, link->sll_addr, 6);
        CopyText(node.description, sizeof node.description, Description(socketFd, entry->ifa_name));
        CopyText(node.adapter_name, sizeof node.adapter_name, entry->ifa_name);
        nodes.push_back(node);
    }
    if (socketFd >= 0)
        close(socketFd);
    freeifaddrs(addresses);
    return nodes;
}

local_adapter_stu CopyAdapterRecord(const local_adapter_stu& node) {
    local_adapter_stu record{};
    const auto* from = reinterpret_cast<const std::uint8_t*>(&node);
    auto* to = reinterpret_cast<std::uint8_t*>(&record);
    std::memcpy(to + 1, from + 1, 400);
    std::memcpy(to + 404, from + 404, 516);
    return record;
}

std::vector<local_adapter_stu> ListAdapters(const std::vector<local_adapter_stu>& nodes) {
    std::vector<local_adapter_stu> adapters;
    for (const local_adapter_stu& node : nodes)
        if (node.listed == 1)
            adapters.push_back(CopyAdapterRecord(node));
    return adapters;
}

std::vector<local_adapter_stu> EnumerateLocalAdapters() {
    return ListAdapters(ReadAdapterNodes());
}

std::u16string AdapterDisplayText(const local_adapter_stu& adapter) {
    const std::string description(adapter.description,
                                  strnlen(adapter.description, sizeof adapter.description));
    return Utf8ToUtf16(description + " (" + MacText(adapter.address) + ")");
}

} // namespace lumicord
