// The scan's tick arithmetic: when it ends and when it asks again.
#include <gtest/gtest.h>

#include <vector>

#include "link/ScanProgress.h"

using namespace lumicord;

namespace {

// Feeds counts[i] at tick i + 1; returns the ticks of the repeated requests and the tick at
// which the scan ended (0: it did not).
int Feed(const std::vector<int>& counts, std::vector<int>& rebroadcasts) {
    CScanProgress progress;
    for (std::size_t i = 0; i < counts.size(); ++i) {
        const ScanStep step = progress.OnTick(counts[i]);
        if (step == ScanStep::Finished)
            return static_cast<int>(i) + 1;
        if (step == ScanStep::Rebroadcast)
            rebroadcasts.push_back(static_cast<int>(i) + 1);
    }
    return 0;
}

} // namespace

TEST(ScanProgress, EndsAtTheFirstCheckWithoutANewDeviceAndAsksAgainEveryTwelveTicks) {
    std::vector<int> rebroadcasts;
    // Nobody answers: over after 4 ticks.
    EXPECT_EQ(Feed({0, 0, 0, 0}, rebroadcasts), 4);
    EXPECT_TRUE(rebroadcasts.empty());

    // One new device in every 4-tick window until tick 40, then silence.
    std::vector<int> counts;
    for (int tick = 1; tick <= 60; ++tick)
        counts.push_back(std::min(tick, 40));
    EXPECT_EQ(Feed(counts, rebroadcasts), 44);
    EXPECT_EQ(rebroadcasts, (std::vector<int>{12, 24, 36}));

    // Devices that answer within the first tick only: the check at tick 4 compares with the
    // count of tick 1.
    rebroadcasts.clear();
    EXPECT_EQ(Feed({7, 7, 7, 7}, rebroadcasts), 4);
}
