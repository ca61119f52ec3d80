#include <cstring>
#include <gtest/gtest.h>
#include <vector>

#include "link/LinkFrame.h"

using namespace lumicord;

namespace {

const MacAddress kAdapter = {0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e};
const MacAddress kDevice = {0x02, 0x00, 0x00, 0x00, 0x00, 0x07};

const std::uint8_t* Bytes(const LinkFrame& frame) {
    return reinterpret_cast<const std::uint8_t*>(&frame);
}

bool AllZero(const std::uint8_t* from, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i)
        if (from[i] != 0)
            return false;
    return true;
}

LinkFrame Reply(std::uint16_t msg, std::uint16_t op, std::uint16_t seq) {
    LinkFrame frame = BuildFrameTemplate(kAdapter, kDevice);
    frame.msg_type.set(msg);
    frame.op_code.set(op);
    frame.seq_no.set(seq);
    return frame;
}

} // namespace

TEST(LinkFrame, DiscoveryRequestBytes) {
    const LinkFrame frame = BuildDiscoveryRequest(kAdapter);
    const std::uint8_t* b = Bytes(frame);
    const std::uint8_t head[] = {0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0x00, 0x1a, 0x2b, 0x3c,
                                 0x4d, 0x5e, 0x62, 0x62, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01};
    EXPECT_EQ(std::memcmp(b, head, sizeof head), 0);
    EXPECT_TRUE(AllZero(b + sizeof head, kLinkFrameSize - sizeof head));
}

TEST(LinkFrame, SixteenBitFieldsAreBigEndian) {
    LinkFrame frame = EmptyFrame();
    frame.seq_no.set(0x1234);
    frame.chunk_len.set(0x0400);
    EXPECT_EQ(Bytes(frame)[16], 0x12);
    EXPECT_EQ(Bytes(frame)[17], 0x34);
    EXPECT_EQ(Bytes(frame)[1284], 0x04);
    EXPECT_EQ(Bytes(frame)[1285], 0x00);
}

TEST(LinkFrame, AntiTheftCommandFrame) {
    LinkFrame templ = BuildFrameTemplate(kDevice, kAdapter);
    std::memset(templ.chunk_data, 0xAA, sizeof templ.chunk_data);
    const LinkFrame frame = BuildAntiTheftCommand(templ, R"({"lockcode":"1234"})");
    EXPECT_EQ(frame.msg_type.get(), MsgAntiTheft);
    EXPECT_EQ(frame.op_code.get(), OpAntiTheftCommand);
    EXPECT_EQ(frame.seq_no.get(), 1);
    EXPECT_EQ(frame.file_count.get(), 1);
    EXPECT_EQ(frame.chunk_pos.get(), ChunkLast);
    EXPECT_EQ(frame.chunk_len.get(), 19);
    EXPECT_EQ(std::memcmp(frame.chunk_data, "{\"lockcode\":\"1234\"}\0", 20), 0);
    EXPECT_EQ(std::memcmp(frame.dst_mac, kDevice.data(), 6), 0);
}

TEST(LinkFrame, SeqNoCountsFromOneAndWrapsToTheWildcard) {
    const struct {
        std::uint64_t count;
        std::uint16_t seq;
    } cases[] = {{1, 1}, {2, 2}, {65535, 65535}, {65536, 0xFFFF}, {65537, 1}, {131072, 0xFFFF}};
    for (const auto& c : cases)
        EXPECT_EQ(ChunkSeqNo(c.count), c.seq) << c.count;
}

TEST(LinkFrame, CapturedFramesArePaddedOrCut) {
    std::vector<std::uint8_t> shortFrame(60, 0x11);
    LinkFrame padded = ReadCapturedFrame(shortFrame.data(), shortFrame.size());
    EXPECT_TRUE(AllZero(Bytes(padded) + 60, kLinkFrameSize - 60));
    EXPECT_EQ(Bytes(padded)[59], 0x11);

    std::vector<std::uint8_t> longFrame(2000, 0x22);
    longFrame[1285] = 0x33;
    LinkFrame cut = ReadCapturedFrame(longFrame.data(), longFrame.size());
    EXPECT_EQ(Bytes(cut)[1285], 0x33);
    EXPECT_EQ(cut.chunk_len.get(), 0x2233);

    LinkFrame none = ReadCapturedFrame(nullptr, 0);
    EXPECT_TRUE(AllZero(Bytes(none), kLinkFrameSize));
}

TEST(LinkFrame, ChunkAcknowledgementRules) {
    const struct {
        LinkFrame reply;
        bool isAck;
        const char* why;
    } cases[] = {
        {Reply(MsgConfigFile, OpReply, 7), true, "type, code and seq match"},
        {Reply(MsgLogo, OpReply, 7), false, "another message type"},
        {Reply(MsgConfigFile, OpReply, 6), false, "another seq_no"},
        {Reply(MsgConfigFile, OpConfigOk, 7), false, "an outcome, not an acknowledgement"},
        {Reply(MsgLogo, OpLogoOk, 0xFFFF), true, "seq_no 0xFFFF acknowledges anything"},
        {Reply(MsgDiscover, OpReply, 0xFFFF), true, "even a discovery reply"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsChunkAcknowledgement(c.reply, MsgConfigFile, 7), c.isAck) << c.why;
}

TEST(LinkFrame, AntiTheftAcknowledgementIsExact) {
    EXPECT_TRUE(IsAntiTheftAcknowledgement(Reply(MsgAntiTheft, OpReply, 1)));
    EXPECT_FALSE(IsAntiTheftAcknowledgement(Reply(MsgAntiTheft, OpReply, 0xFFFF)));
    EXPECT_FALSE(IsAntiTheftAcknowledgement(Reply(MsgAntiTheft, OpAntiTheftOk, 1)));
    EXPECT_FALSE(IsAntiTheftAcknowledgement(Reply(MsgConfigFile, OpReply, 1)));
}

TEST(LinkFrame, DevInfoRoundTripAndHostileFields) {
    LinkFrame frame = EmptyFrame();
    EncodeDevInfo(frame, {"Lab-2G", "Lab-5G", "key two", "key five"});
    const DevInfoTexts texts = DecodeDevInfo(frame);
    EXPECT_EQ(texts.ssid2, "Lab-2G");
    EXPECT_EQ(texts.ssid5, "Lab-5G");
    EXPECT_EQ(texts.wpakey2, "key two");
    EXPECT_EQ(texts.wpakey5, "key five");
    EXPECT_EQ(FieldText(frame.dev_info + 34, 34), "Lab-5G");

    // No NUL anywhere: every field is cut at its own width, never read into the next one.
    std::memset(frame.dev_info, 'x', kDevInfoSize);
    frame.dev_info[34] = 'y';
    const DevInfoTexts hostile = DecodeDevInfo(frame);
    EXPECT_EQ(hostile.ssid2, std::string(34, 'x'));
    EXPECT_EQ(hostile.ssid5, "y" + std::string(33, 'x'));
    EXPECT_EQ(hostile.wpakey2.size(), 66u);
    EXPECT_EQ(hostile.wpakey5.size(), 66u);

    // Over-long texts are cut to leave their NUL.
    EncodeDevInfo(frame, {std::string(50, 'a'), "", "", ""});
    EXPECT_EQ(DecodeDevInfo(frame).ssid2, std::string(33, 'a'));
}
