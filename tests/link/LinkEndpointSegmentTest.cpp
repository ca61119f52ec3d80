// Endpoints on a real veth segment: what goes on the wire, and what each filter lets in.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "FrameWait.h"
#include "VethTest.h"
#include "link/LinkEndpoint.h"

using namespace lumicord;
using namespace lumicord::testing;
using namespace std::chrono_literals;

namespace {

const MacAddress kDeviceA = {0x02, 0x00, 0x00, 0x00, 0x0a, 0x01};
const MacAddress kDeviceB = {0x02, 0x00, 0x00, 0x00, 0x0b, 0x01};
const MacAddress kStranger = {0x02, 0x00, 0x00, 0x00, 0x0c, 0x01};

// A frame marked by its seq_no so the reader can tell which ones got through.
LinkFrame Marked(const MacAddress& dst, const MacAddress& src, std::uint16_t etherType,
                 std::uint16_t mark) {
    LinkFrame frame = BuildFrameTemplate(dst, src);
    frame.ether_type.set(etherType);
    frame.msg_type.set(MsgConfigFile);
    frame.op_code.set(OpReply);
    frame.seq_no.set(mark);
    return frame;
}

struct FilterCase {
    LinkFrame frame;
    bool admitted;
};

// Sends every case from `sender`, then a last admitted frame, and returns the marks that
// arrived at `reader` up to that last one.
std::vector<std::uint16_t> MarksThrough(CLinkEndpoint& sender, CLinkEndpoint& reader,
                                        const std::vector<FilterCase>& cases,
                                        const LinkFrame& last) {
    for (const FilterCase& c : cases)
        EXPECT_TRUE(sender.Send(c.frame));
    EXPECT_TRUE(sender.Send(last));
    std::vector<std::uint16_t> marks;
    LinkFrame frame;
    while (WaitForFrame(reader, frame, 3000ms)) {
        marks.push_back(frame.seq_no.get());
        if (frame.seq_no.get() == last.seq_no.get())
            break;
    }
    return marks;
}

std::vector<std::uint16_t> ExpectedMarks(const std::vector<FilterCase>& cases,
                                         const LinkFrame& last) {
    std::vector<std::uint16_t> marks;
    for (const FilterCase& c : cases)
        if (c.admitted)
            marks.push_back(c.frame.seq_no.get());
    marks.push_back(last.seq_no.get());
    return marks;
}

class LinkEndpointSegment : public VethTest {};

} // namespace

TEST_F(LinkEndpointSegment, DiscoveryRequestArrivesAsExactly1286BytesWithItsLayout) {
    auto far = CLinkEndpoint::Open(CVethSegment::DeviceInterface(), 100, EndpointUse::Transmitter);
    ASSERT_TRUE(far);
    ASSERT_TRUE(far->SetFilter("ether proto 0x6262"));
    auto sender =
        CLinkEndpoint::Open(CVethSegment::AppInterface(), 1, EndpointUse::DiscoverySender);
    ASSERT_TRUE(sender);
    const LinkFrame request = BuildDiscoveryRequest(CVethSegment::AppMac());
    ASSERT_TRUE(sender->Send(request));

    LinkFrame received;
    std::size_t length = 0;
    ASSERT_TRUE(WaitForFrame(*far, received, 3000ms, &length));
    EXPECT_EQ(length, kLinkFrameSize);
    EXPECT_EQ(std::memcmp(&received, &request, kLinkFrameSize), 0);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&received);
    EXPECT_EQ(std::memcmp(bytes, kBroadcastMac.data(), 6), 0);
    EXPECT_EQ(std::memcmp(bytes + 6, CVethSegment::AppMac().data(), 6), 0);
    EXPECT_EQ(bytes[12], 0x62);
    EXPECT_EQ(bytes[13], 0x62);
    EXPECT_EQ(received.op_code.get(), OpDiscoverRequest);
    for (std::size_t i = 14; i < kLinkFrameSize; ++i) {
        if (i != 19) { // op_code low byte
            ASSERT_EQ(bytes[i], 0) << "byte " << i;
        }
    }
}

TEST_F(LinkEndpointSegment, CaptureFilterAdmitsOnlyLinkFramesAddressedToTheAdapter) {
    const MacAddress app = CVethSegment::AppMac();
    auto capture = CLinkEndpoint::Open(CVethSegment::AppInterface(), 1, EndpointUse::Capture);
    ASSERT_TRUE(capture);
    ASSERT_EQ(CaptureFilterExpression(app), "ether dst 02:4c:4d:00:00:01and ether proto 0x6262");
    ASSERT_TRUE(capture->SetFilter(CaptureFilterExpression(app)));
    auto device =
        CLinkEndpoint::Open(CVethSegment::DeviceInterface(), 1, EndpointUse::DiscoverySender);
    ASSERT_TRUE(device);

    const std::vector<FilterCase> cases = {
        {Marked(app, kDeviceA, kLinkEtherType, 1), true},
        {Marked(app, kDeviceA, 0x0800, 2), false},
        {Marked(kStranger, kDeviceA, kLinkEtherType, 3), false}, // promiscuous, still filtered
        {Marked(kBroadcastMac, kDeviceA, kLinkEtherType, 4), false},
        {Marked(app, kDeviceB, kLinkEtherType, 5), true},
        {Marked(app, kDeviceA, 0x6263, 6), false},
    };
    const LinkFrame last = Marked(app, kDeviceA, kLinkEtherType, 99);
    EXPECT_EQ(MarksThrough(*device, *capture, cases, last), ExpectedMarks(cases, last));
}

TEST_F(LinkEndpointSegment, CaptureThreadFilterLeavesOutOnlyTransferAcknowledgements) {
    const MacAddress app = CVethSegment::AppMac();
    auto capture = CLinkEndpoint::Open(CVethSegment::AppInterface(), 1, EndpointUse::Capture);
    ASSERT_TRUE(capture);
    ASSERT_TRUE(capture->SetFilter(CaptureThreadFilterExpression(app)));
    auto device =
        CLinkEndpoint::Open(CVethSegment::DeviceInterface(), 1, EndpointUse::DiscoverySender);
    ASSERT_TRUE(device);

    const auto typed = [&](std::uint16_t msgType, std::uint16_t opCode, std::uint16_t mark,
                           const MacAddress& dst) {
        LinkFrame frame = Marked(dst, kDeviceA, kLinkEtherType, mark);
        frame.msg_type.set(msgType);
        frame.op_code.set(opCode);
        return frame;
    };
    const std::vector<FilterCase> cases = {
        {typed(MsgDiscover, OpReply, 1, app), true},
        {typed(MsgConfigFile, OpReply, 2, app), false},
        {typed(MsgConfigFile, OpConfigOk, 3, app), true},
        {typed(MsgLogo, OpReply, 4, app), false},
        {typed(MsgLogo, OpLogoFail, 5, app), true},
        {typed(MsgAntiTheft, OpReply, 6, app), false},
        {typed(MsgAntiTheft, OpLockcodeMismatch, 7, app), true},
        {typed(MsgAntiTheft, OpAntiTheftOk, 8, kStranger), false},
        {typed(MsgDiscover, OpDiscoverRequest, 9, app), true}, // the thread ignores it itself
    };
    const LinkFrame last = typed(MsgConfigFile, OpConfigFail, 99, app);
    EXPECT_EQ(MarksThrough(*device, *capture, cases, last), ExpectedMarks(cases, last));
}

TEST_F(LinkEndpointSegment, TransmitterFilterAdmitsOnlyItsDevicesLinkFrames) {
    const MacAddress app = CVethSegment::AppMac();
    auto transmitter =
        CLinkEndpoint::Open(CVethSegment::AppInterface(), 100, EndpointUse::Transmitter);
    ASSERT_TRUE(transmitter);
    ASSERT_EQ(TransmitterFilterExpression(kDeviceA),
              "ether src 02:00:00:00:0A:01and ether proto 0x6262");
    ASSERT_TRUE(transmitter->SetFilter(TransmitterFilterExpression(kDeviceA)));
    ASSERT_TRUE(transmitter->SetNonBlocking(true));
    LinkFrame nothing;
    EXPECT_EQ(transmitter->Receive(nothing), ReceiveResult::Timeout); // does not block
    auto device =
        CLinkEndpoint::Open(CVethSegment::DeviceInterface(), 1, EndpointUse::DiscoverySender);
    ASSERT_TRUE(device);

    const std::vector<FilterCase> cases = {
        {Marked(app, kDeviceA, kLinkEtherType, 1), true},
        {Marked(app, kDeviceB, kLinkEtherType, 2), false},
        {Marked(app, kDeviceA, 0x0800, 3), false},
        {Marked(kStranger, kDeviceA, kLinkEtherType, 4), true}, // any destination
        {Marked(kBroadcastMac, kDeviceB, kLinkEtherType, 5), false},
    };
    const LinkFrame last = Marked(app, kDeviceA, kLinkEtherType, 99);
    EXPECT_EQ(MarksThrough(*device, *transmitter, cases, last), ExpectedMarks(cases, last));
}
