#include <gtest/gtest.h>

#include "link/MacText.h"

using namespace lumicord;

TEST(MacText, UpperAndLowerForms) {
    const MacAddress mac = {0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e};
    EXPECT_EQ(MacText(mac), "00:1A:2B:3C:4D:5E");
    EXPECT_EQ(MacTextLower(mac), "00:1a:2b:3c:4d:5e");
}

TEST(MacText, ParseAcceptsOnlySixHexPairs) {
    EXPECT_EQ(ParseMacText("00:1a:2B:3c:4D:5e"), (MacAddress{0, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e}));
    EXPECT_EQ(ParseMacText("ff-ff-ff-ff-ff-ff"), kBroadcastMac);
    for (const char* bad : {"", "00:1a:2b:3c:4d", "00:1a:2b:3c:4d:5e:", "00:1a:2b:3c:4d:5g",
                            "001a2b3c4d5e00000", "00 1a 2b 3c 4d 5e"})
        EXPECT_FALSE(ParseMacText(bad).has_value()) << bad;
}
