// Command line of the simulator: defaults, device selections, and one line per bad argument.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SimOptions.h"

using namespace lumicord;
using namespace lumicord::devsim;

TEST(SimOptions, SettingsApplyToTheSelectedDevicesOnly) {
    SimOptions options;
    std::vector<std::string> errors;
    ASSERT_TRUE(
        ParseSimOptions({"-i", "lumi-dev", "-n", "1000", "--out", "/tmp/x", "--fault", "silent@10%",
                         "--fault", "ack-delay=25@3,7-9", "--outcome", "failed@2", "--lock-code",
                         "1234", "--lock-code", "a=b@c@6", "--ssid2", "Net-{n}"},
                        options, errors))
        << errors.front();
    EXPECT_EQ(options.interfaceName, "lumi-dev");
    EXPECT_EQ(options.count, 1000);
    int silent = 0;
    for (int n = 1; n <= 1000; ++n)
        silent += BehaviourOf(options, n).silent ? 1 : 0;
    EXPECT_EQ(silent, 100);
    EXPECT_EQ(BehaviourOf(options, 8).ackDelayMs, 25);
    EXPECT_EQ(BehaviourOf(options, 10).ackDelayMs, 0);
    EXPECT_EQ(BehaviourOf(options, 2).outcome, Outcome::Failed);
    EXPECT_EQ(BehaviourOf(options, 3).outcome, Outcome::Applied);
    EXPECT_EQ(BehaviourOf(options, 5).lockCode, "1234");
    EXPECT_EQ(BehaviourOf(options, 6).lockCode, "a=b@c");
    EXPECT_EQ(BehaviourOf(options, 12).info.ssid2, "Net-0012");
    EXPECT_EQ(MacText(DeviceMac(options.macBase, 256)), "02:00:00:00:01:00");
}

TEST(SimOptions, EachBadArgumentGivesOneLine) {
    SimOptions options;
    std::vector<std::string> errors;
    EXPECT_FALSE(ParseSimOptions({"-n", "0", "--fault", "explode", "--outcome", "maybe",
                                  "--mac-base", "zz", "--bogus", "--duration", "x", "--out"},
                                 options, errors));
    // -n, --fault, --outcome, --mac-base, --bogus, --duration, --out and the missing -i.
    EXPECT_EQ(errors.size(), 8u);
    for (const std::string& line : errors)
        EXPECT_EQ(line.find('\n'), std::string::npos);
}
