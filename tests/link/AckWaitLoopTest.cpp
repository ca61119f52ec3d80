// Pass arithmetic of the acknowledgement wait, on a simulated clock and endpoint.
#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "link/AckWaitLoop.h"

using namespace lumicord;
using namespace std::chrono_literals;

namespace {

using Clock = CAckPort::Clock;

LinkFrame Reply(std::uint16_t seq) {
    LinkFrame frame = EmptyFrame();
    frame.msg_type.set(MsgConfigFile);
    frame.op_code.set(OpReply);
    frame.seq_no.set(seq);
    return frame;
}

const LinkFrame kAck = Reply(7);
const LinkFrame kStray = Reply(3);

bool IsAck(const LinkFrame& reply) {
    return reply.seq_no.get() == 7;
}

// Frames arrive at given offsets from the start; the clock moves only when the loop waits.
class CFakePort : public CAckPort {
public:
    struct Arrival {
        Clock::duration at;
        bool ack;
    };
    // `onSend(n)` may schedule arrivals after the n-th send (counted from 1).
    std::function<void(CFakePort&, int)> onSend;
    std::deque<Arrival> arrivals; // in time order
    std::deque<bool> waiting;
    std::vector<Clock::duration> sendTimes;
    Clock::duration now{0};
    Clock::duration stopAt = Clock::duration::max();
    int wakes = 0;

    void Send(const LinkFrame&) override {
        sendTimes.push_back(now);
        if (onSend)
            onSend(*this, static_cast<int>(sendTimes.size()));
    }
    ReceiveResult Receive(LinkFrame& frame) override {
        Deliver();
        if (waiting.empty())
            return ReceiveResult::Timeout;
        frame = waiting.front() ? kAck : kStray;
        waiting.pop_front();
        return ReceiveResult::Frame;
    }
    PollWake WaitUntil(Clock::time_point deadline, bool) override {
        ++wakes;
        const Clock::duration until = deadline.time_since_epoch();
        if (stopAt <= until) {
            now = std::max(now, stopAt);
            return PollWake::Woken;
        }
        if (!arrivals.empty() && arrivals.front().at <= until) {
            now = std::max(now, arrivals.front().at);
            return PollWake::Readable;
        }
        now = std::max(now, until);
        return PollWake::Timeout;
    }
    Clock::time_point Now() override { return Clock::time_point(now); }

private:
    void Deliver() {
        while (!arrivals.empty() && arrivals.front().at <= now) {
            waiting.push_back(arrivals.front().ack);
            arrivals.pop_front();
        }
    }
};

WaitResult RunWait(CFakePort& port, WaitCounters& counters) {
    return WaitForAcknowledgement(port, EmptyFrame(), IsAck, &counters);
}

} // namespace

TEST(AckWaitLoop, SilentDeviceGetsFiveSendsOneSecondApartAndFailsAtFiveSeconds) {
    CFakePort port;
    WaitCounters counters;
    EXPECT_EQ(RunWait(port, counters), WaitResult::Failed);
    const std::vector<Clock::duration> expected = {0s, 1s, 2s, 3s, 4s};
    EXPECT_EQ(port.sendTimes, expected);
    EXPECT_EQ(port.now, 5s);
    EXPECT_EQ(counters.idle, kFailPasses);
    // One sleep per resend interval, not one per pass.
    EXPECT_EQ(port.wakes, 5);
}

TEST(AckWaitLoop, AcknowledgementEndsTheWaitAtOnce) {
    struct Case {
        const char* name;
        int ackAfterSend; // the device answers this copy
        Clock::duration delay;
        int expectedSends;
    };
    const Case cases[] = {
        {"first copy", 1, 300us, 1},
        {"second copy only", 2, 2ms, 2},
        {"fifth copy", 5, 999ms, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CFakePort port;
        port.onSend = [&](CFakePort& p, int n) {
            if (n == c.ackAfterSend)
                p.arrivals.push_back({p.now + c.delay, true});
        };
        WaitCounters counters;
        EXPECT_EQ(RunWait(port, counters), WaitResult::Acknowledged);
        EXPECT_EQ(static_cast<int>(port.sendTimes.size()), c.expectedSends);
        EXPECT_EQ(port.now, port.sendTimes.back() + c.delay);
    }
}

TEST(AckWaitLoop, StrayFramesCountApartFromIdlePasses) {
    // 20000 strays at once force a resend without any time passing; the 100000th fails.
    CFakePort flood;
    for (int i = 0; i < 100000; ++i)
        flood.arrivals.push_back({0s, false});
    WaitCounters counters;
    EXPECT_EQ(RunWait(flood, counters), WaitResult::Failed);
    EXPECT_EQ(flood.sendTimes.size(), 5u);
    EXPECT_EQ(counters.stray, kFailPasses);
    EXPECT_EQ(counters.idle, 0u);
    EXPECT_EQ(flood.now, 0s);

    // 19999 strays spread over the first half second neither resend nor shift the idle
    // count: the resend still comes after one second of waiting.
    CFakePort mixed;
    for (int i = 0; i < 19999; ++i)
        mixed.arrivals.push_back({Clock::duration(25us * i), false});
    EXPECT_EQ(RunWait(mixed, counters), WaitResult::Failed);
    ASSERT_EQ(mixed.sendTimes.size(), 5u);
    EXPECT_EQ(mixed.sendTimes[1], 1s);
    EXPECT_EQ(counters.stray, 19999u);
}

TEST(AckWaitLoop, StrayFloodStillLeadsToTheResendThatIsAcknowledged) {
    CFakePort port;
    for (int i = 0; i < 20000; ++i)
        port.arrivals.push_back({Clock::duration(10us * i), false});
    port.onSend = [](CFakePort& p, int n) {
        if (n == 2)
            p.arrivals.push_back({p.now + 1ms, true});
    };
    WaitCounters counters;
    EXPECT_EQ(RunWait(port, counters), WaitResult::Acknowledged);
    EXPECT_EQ(port.sendTimes.size(), 2u);
    EXPECT_LT(port.sendTimes[1], 1s);
}

TEST(AckWaitLoop, StopEndsTheWait) {
    CFakePort port;
    port.stopAt = 2500ms;
    WaitCounters counters;
    EXPECT_EQ(RunWait(port, counters), WaitResult::Stopped);
    EXPECT_EQ(port.sendTimes.size(), 3u);
}
