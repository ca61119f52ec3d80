// The adapter records, the listing rule, the display text and the capture device matching.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "VethTest.h"
#include "link/LocalAdapter.h"
#include "platform/SystemMessage.h"

using namespace lumicord;

namespace {

local_adapter_stu Node(std::uint8_t listed, const char* name) {
    local_adapter_stu node;
    std::memset(&node, 0xAB, sizeof node);
    node.listed = listed;
    std::memset(node.adapter_name, 0, sizeof node.adapter_name);
    std::strcpy(node.adapter_name, name);
    return node;
}

CaptureDeviceLister Devices(std::vector<std::string> names) {
    return [names](std::vector<std::string>& out) {
        out = names;
        return true;
    };
}

} // namespace

TEST(LocalAdapter, ListingRuleSkipsUnlistedNodesAndZeroesTheUncopiedBytes) {
    const std::vector<local_adapter_stu> adapters =
        ListAdapters({Node(1, "eth0"), Node(0, "eth1"), Node(2, "eth2"), Node(1, "eth3")});
    ASSERT_EQ(adapters.size(), 2u);
    EXPECT_STREQ(adapters[0].adapter_name, "eth0");
    EXPECT_STREQ(adapters[1].adapter_name, "eth3");
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&adapters[0]);
    for (std::size_t i = 0; i < sizeof(local_adapter_stu); ++i) {
        const bool zeroed = i == 0 || (i >= 401 && i <= 403) || i >= 920;
        const bool name = i >= 141 && i < 401;
        if (zeroed) {
            ASSERT_EQ(bytes[i], 0) << "offset " << i;
        } else if (!name) {
            ASSERT_EQ(bytes[i], 0xAB) << "offset " << i;
        }
    }
}

TEST(LocalAdapter, DisplayTextIsDescriptionAndUpperCaseMac) {
    local_adapter_stu adapter{};
    std::strcpy(adapter.description, "Local Ethernet");
    const std::uint8_t mac[6] = {0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e};
    std::memcpy(adapter.address, mac, 6);
    EXPECT_EQ(AdapterDisplayText(adapter), u"Local Ethernet (00:1A:2B:3C:4D:5E)");
}

TEST(LocalAdapter, CaptureDeviceMatchingRules) {
    const std::string long259(259, 'x');
    const std::string long300 = "eth7-" + std::string(295, 'y');
    struct Case {
        const char* adapter;
        std::vector<std::string> devices;
        bool found;
        std::string expected; // the name afterwards
    } cases[] = {
        {"eth0", {"any", "xeth0-a", "eth0"}, true, "xeth0-a"}, // first of two in pcap's order
        {"eth1", {"lo", "eth0"}, false, "previous"},           // none: name kept
        {"x", {long259}, true, long259},                       // kept whole
        {"eth7", {long300}, true, long300.substr(0, 259)},     // cut, still terminated
    };
    for (const Case& c : cases) {
        char name[kCaptureDeviceNameSize];
        std::memset(name, 'Z', sizeof name);
        std::strcpy(name, "previous");
        EXPECT_EQ(FindCaptureDevice(Node(1, c.adapter), name, Devices(c.devices)), c.found)
            << c.adapter;
        if (c.found) {
            EXPECT_EQ(name[kCaptureDeviceNameSize - 1], '\0');
        }
        EXPECT_EQ(std::string(name), c.expected) << c.adapter;
    }
}

TEST(LocalAdapter, FailedDeviceListingShowsTheSystemMessage) {
    std::vector<std::string> shown;
    const SystemMessageHandler previous =
        SetSystemMessageHandler([&](const std::string& text) { shown.push_back(text); });
    char name[kCaptureDeviceNameSize] = "previous";
    const bool found =
        FindCaptureDevice(Node(1, "eth0"), name, [](std::vector<std::string>&) { return false; });
    SetSystemMessageHandler(previous);
    EXPECT_FALSE(found);
    EXPECT_STREQ(name, "previous");
    EXPECT_EQ(shown, std::vector<std::string>{"pcap_findalldevs error"});
}

class LocalAdapterSegment : public lumicord::testing::VethTest {};

TEST_F(LocalAdapterSegment, ListsBothVethEndsAndFindsTheirCaptureDevices) {
    using lumicord::testing::CVethSegment;
    const std::vector<local_adapter_stu> adapters = EnumerateLocalAdapters();
    ASSERT_EQ(adapters.size(), 2u) << "loopback must not be listed";
    struct End {
        const char* name;
        MacAddress mac;
        const char16_t* display;
    } ends[] = {
        {CVethSegment::AppInterface(), CVethSegment::AppMac(),
         u"lumi-app - veth (02:4C:4D:00:00:01)"},
        {CVethSegment::DeviceInterface(), CVethSegment::DeviceMac(),
         u"lumi-dev - veth (02:4C:4D:00:00:02)"},
    };
    for (const End& end : ends) {
        const local_adapter_stu* found = nullptr;
        for (const local_adapter_stu& adapter : adapters)
            if (std::string(adapter.adapter_name) == end.name)
                found = &adapter;
        ASSERT_NE(found, nullptr) << end.name;
        EXPECT_EQ(found->listed, 0);
        EXPECT_EQ(std::memcmp(found->address, end.mac.data(), 6), 0) << end.name;
        EXPECT_EQ(AdapterDisplayText(*found), end.display);
        char device[kCaptureDeviceNameSize] = {};
        ASSERT_TRUE(FindCaptureDevice(*found, device)) << end.name;
        EXPECT_STREQ(device, end.name);
    }
}
