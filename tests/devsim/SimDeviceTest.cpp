// The simulated device without a network: replies, reassembly, outcomes and fault modes.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "SimDevice.h"

using namespace lumicord;
using namespace lumicord::devsim;

namespace {

const MacAddress kTool = {0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e};
const MacAddress kMac = {0x02, 0x00, 0x00, 0x00, 0x00, 0x09};

struct Result {
    std::vector<OutFrame> out;
    std::vector<CompletedTransfer> completed;
};

Result Feed(CSimDevice& device, const LinkFrame& frame) {
    Result r;
    device.OnFrame(frame, r.out, r.completed);
    return r;
}

LinkFrame Chunk(std::uint16_t msg, std::uint16_t op, std::uint64_t number, std::uint64_t start,
                const std::string& file) {
    LinkFrame frame = BuildFrameTemplate(kMac, kTool);
    frame.msg_type.set(msg);
    frame.op_code.set(op);
    const std::size_t size = std::min<std::size_t>(kChunkDataSize, file.size() - start);
    FillChunk(frame, number, start, reinterpret_cast<const std::uint8_t*>(file.data()) + start,
              size, file.size());
    return frame;
}

// The chunks of `file` as the tool cuts them.
std::vector<LinkFrame> Chunks(std::uint16_t msg, std::uint16_t op, const std::string& file) {
    std::vector<LinkFrame> frames;
    std::uint64_t start = 0;
    std::uint64_t number = 1;
    do {
        frames.push_back(Chunk(msg, op, number++, start, file));
        start += kChunkDataSize;
    } while (start < file.size());
    return frames;
}

bool From(const LinkFrame& f, std::uint16_t msg, std::uint16_t op) {
    return std::memcmp(f.dst_mac, kTool.data(), 6) == 0 &&
           std::memcmp(f.src_mac, kMac.data(), 6) == 0 && f.ether_type.get() == kLinkEtherType &&
           f.msg_type.get() == msg && f.op_code.get() == op;
}

} // namespace

TEST(SimDevice, AnswersDiscoveryWithItsDevInfo) {
    DeviceBehaviour behaviour;
    behaviour.info = {"Shop-2G", "Shop-5G", "secret24", "secret5"};
    CSimDevice device(kMac, behaviour);
    const Result r = Feed(device, BuildDiscoveryRequest(kTool));
    ASSERT_EQ(r.out.size(), 1u);
    EXPECT_TRUE(From(r.out[0].frame, MsgDiscover, OpReply));
    const DevInfoTexts texts = DecodeDevInfo(r.out[0].frame);
    EXPECT_EQ(texts.ssid2, "Shop-2G");
    EXPECT_EQ(texts.wpakey5, "secret5");
}

TEST(SimDevice, ReassemblesAcknowledgesAndReportsOnce) {
    std::string file(3000, '\0');
    for (std::size_t i = 0; i < file.size(); ++i)
        file[i] = static_cast<char>(i * 7);
    const std::vector<LinkFrame> chunks = Chunks(MsgLogo, OpLogoChunk, file);
    ASSERT_EQ(chunks.size(), 3u);
    CSimDevice device(kMac, DeviceBehaviour{});

    Result first = Feed(device, chunks[0]);
    Result repeat = Feed(device, chunks[0]); // its acknowledgement was lost: acked, not taken twice
    ASSERT_EQ(repeat.out.size(), 1u);
    EXPECT_EQ(repeat.out[0].frame.seq_no.get(), 1);
    Feed(device, chunks[1]);
    Result last = Feed(device, chunks[2]);

    ASSERT_EQ(first.out.size(), 1u);
    EXPECT_TRUE(From(first.out[0].frame, MsgLogo, OpReply));
    ASSERT_EQ(last.out.size(), 2u); // the acknowledgement, then the outcome
    EXPECT_EQ(last.out[0].frame.seq_no.get(), 3);
    EXPECT_TRUE(From(last.out[1].frame, MsgLogo, OpLogoOk));
    ASSERT_EQ(last.completed.size(), 1u);
    EXPECT_EQ(last.completed[0].kind, TransferKind::Logo);
    EXPECT_EQ(std::string(last.completed[0].data.begin(), last.completed[0].data.end()), file);
    EXPECT_EQ(device.Stats().transfersCompleted[1], 1u);
    EXPECT_EQ(device.Stats().framesReceived[1], 4u);
}

TEST(SimDevice, EmptyFileIsOneFrameAndANewTransferStartsAfresh) {
    CSimDevice device(kMac, DeviceBehaviour{});
    Result empty = Feed(device, Chunks(MsgConfigFile, OpConfigChunk, "")[0]);
    ASSERT_EQ(empty.completed.size(), 1u);
    EXPECT_TRUE(empty.completed[0].data.empty());
    Result next = Feed(device, Chunks(MsgConfigFile, OpConfigChunk, "<xml/>")[0]);
    ASSERT_EQ(next.completed.size(), 1u);
    EXPECT_EQ(std::string(next.completed[0].data.begin(), next.completed[0].data.end()), "<xml/>");
    EXPECT_TRUE(From(next.out.back().frame, MsgConfigFile, OpConfigOk));
}

TEST(SimDevice, OutcomeCodesByConfiguredOutcomeAndLockCode) {
    const std::string command =
        R"({"Lockcode":"abc","Enable":"1","ACName":"","DNS1":"","DNS2":""})";
    struct Case {
        std::uint16_t msg;
        Outcome outcome;
        const char* lockCode;
        std::uint16_t expected;
    } cases[] = {
        {MsgConfigFile, Outcome::Applied, "", OpConfigOk},
        {MsgConfigFile, Outcome::Failed, "", OpConfigFail},
        {MsgLogo, Outcome::Failed, "", OpLogoFail},
        {MsgAntiTheft, Outcome::Applied, "", OpAntiTheftOk},
        {MsgAntiTheft, Outcome::Applied, "abc", OpAntiTheftOk},
        {MsgAntiTheft, Outcome::Applied, "abd", OpLockcodeMismatch},
        {MsgAntiTheft, Outcome::Mismatch, "", OpLockcodeMismatch},
    };
    for (const Case& c : cases) {
        DeviceBehaviour behaviour;
        behaviour.outcome = c.outcome;
        behaviour.lockCode = c.lockCode;
        CSimDevice device(kMac, behaviour);
        const LinkFrame frame =
            c.msg == MsgAntiTheft
                ? BuildAntiTheftCommand(BuildFrameTemplate(kMac, kTool), command)
                : Chunks(c.msg, c.msg == MsgLogo ? OpLogoChunk : OpConfigChunk, "data")[0];
        const Result r = Feed(device, frame);
        ASSERT_EQ(r.out.size(), 2u);
        EXPECT_EQ(r.out[0].frame.op_code.get(), OpReply);
        EXPECT_EQ(r.out[1].frame.op_code.get(), c.expected) << c.msg << " " << c.lockCode;
    }
}

TEST(SimDevice, FaultModes) {
    const LinkFrame command = BuildAntiTheftCommand(BuildFrameTemplate(kMac, kTool), "{}");
    {
        DeviceBehaviour b;
        b.silent = true;
        CSimDevice device(kMac, b);
        EXPECT_TRUE(Feed(device, BuildDiscoveryRequest(kTool)).out.empty());
        EXPECT_TRUE(Feed(device, command).out.empty());
    }
    {
        DeviceBehaviour b;
        b.noAck = true;
        CSimDevice device(kMac, b);
        EXPECT_EQ(Feed(device, BuildDiscoveryRequest(kTool)).out.size(), 1u);
        EXPECT_TRUE(Feed(device, command).out.empty());
        EXPECT_EQ(device.Stats().framesReceived[2], 1u);
    }
    {
        DeviceBehaviour b;
        b.secondCopy = true;
        CSimDevice device(kMac, b);
        EXPECT_TRUE(Feed(device, command).out.empty());
        EXPECT_EQ(Feed(device, command).out.size(), 2u); // acknowledgement and outcome
        EXPECT_TRUE(Feed(device, command).out.empty());
    }
    {
        DeviceBehaviour b;
        b.strayFlood = 5;
        b.ackDelayMs = 40;
        b.outcomeRepeats = 3;
        CSimDevice device(kMac, b);
        const Result r = Feed(device, command);
        ASSERT_EQ(r.out.size(), 5u + 1u + 3u);
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(r.out[i].delayMs, 0);
            EXPECT_FALSE(IsAntiTheftAcknowledgement(r.out[i].frame)); // strays never match
            EXPECT_NE(r.out[i].frame.seq_no.get(), kWildcardSeqNo);
        }
        EXPECT_TRUE(IsAntiTheftAcknowledgement(r.out[5].frame));
        for (std::size_t i = 5; i < r.out.size(); ++i)
            EXPECT_EQ(r.out[i].delayMs, 40);
        for (std::size_t i = 6; i < r.out.size(); ++i)
            EXPECT_EQ(r.out[i].frame.op_code.get(), OpAntiTheftOk);
    }
}
