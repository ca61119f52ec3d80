// The transfers' shared path on a real veth segment: which frames a waiting transfer counts.
#include <gtest/gtest.h>

#include <future>
#include <thread>

#include "VethTest.h"
#include "link/LinkEndpoint.h"
#include "link/TransferPath.h"

using namespace lumicord;
using namespace lumicord::testing;
using namespace std::chrono_literals;

namespace {

const MacAddress kWaitedOn = {0x02, 0x00, 0x00, 0x00, 0x0d, 0x01};
const MacAddress kOther = {0x02, 0x00, 0x00, 0x00, 0x0d, 0x02};
const MacAddress kStranger = {0x02, 0x00, 0x00, 0x00, 0x0d, 0x03};

// One anti-theft command that nobody acknowledges.
class CUnansweredCommand : public CFrameSource {
public:
    CUnansweredCommand() {
        m_frame = BuildFrameTemplate(kWaitedOn, CVethSegment::AppMac());
        m_frame.msg_type.set(MsgAntiTheft);
        m_frame.op_code.set(OpAntiTheftCommand);
    }
    const LinkFrame* Next() override { return &m_frame; }
    bool IsAcknowledgement(const LinkFrame&) const override { return false; }
    bool AtEnd() const override { return true; }

private:
    LinkFrame m_frame;
};

class TransferPathSegment : public VethTest {};

} // namespace

TEST_F(TransferPathSegment, EveryFrameOfTheDeviceCountsWhoeverItIsAddressedToAndNoOtherDevices) {
    auto path = CTransferPath::Open(CVethSegment::AppInterface());
    ASSERT_TRUE(path);
    auto device =
        CLinkEndpoint::Open(CVethSegment::DeviceInterface(), 1, EndpointUse::DiscoverySender);
    ASSERT_TRUE(device);

    CUnansweredCommand command;
    WaitCounters counters;
    auto waited =
        std::async(std::launch::async, [&] { return path->Run(kWaitedOn, command, &counters); });
    std::this_thread::sleep_for(50ms); // the command is out; the transfer waits

    // 20000 frames from the device, most of them to another address, and 2000 from another
    // device to the program, in bursts the path's buffer holds.
    const MacAddress app = CVethSegment::AppMac();
    for (int burst = 0; burst < 40; ++burst) {
        for (int i = 0; i < 500; ++i) {
            LinkFrame frame = BuildFrameTemplate(i % 4 == 0 ? app : kStranger, kWaitedOn);
            frame.msg_type.set(MsgAntiTheft);
            frame.op_code.set(OpReply);
            ASSERT_TRUE(device->Send(frame));
        }
        for (int i = 0; i < 50; ++i)
            ASSERT_TRUE(device->Send(BuildFrameTemplate(app, kOther)));
        std::this_thread::sleep_for(15ms);
    }
    std::this_thread::sleep_for(100ms);
    path->StopTransfers();
    ASSERT_EQ(waited.wait_for(5s), std::future_status::ready);
    EXPECT_EQ(waited.get(), WaitResult::Stopped);
    EXPECT_EQ(path->DroppedFrames(), 0u);
    EXPECT_EQ(counters.stray, 20000u);
    EXPECT_GE(counters.sends, 2u); // the 20000th stray frame brought a resend
}
