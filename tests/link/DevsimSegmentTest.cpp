// lumicord-devsim over the veth segment: discovery replies, acknowledged chunks, reassembled
// files, outcomes, and the fault modes the transmitter tests rely on.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "FrameWait.h"
#include "VethTest.h"
#include "link/FileChunker.h"
#include "link/LinkEndpoint.h"

using namespace lumicord;
using namespace lumicord::testing;
using namespace std::chrono_literals;

namespace {

MacAddress Device(int number) {
    return {0x02, 0x00, 0x00, 0x00, 0x00, static_cast<std::uint8_t>(number)};
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class DevsimSegment : public VethTest {
protected:
    void SetUp() override {
        VethTest::SetUp();
        if (IsSkipped())
            return;
        m_dir = std::filesystem::temp_directory_path() / m_segment->Namespace();
        std::filesystem::create_directories(m_dir);
        m_capture = CLinkEndpoint::Open(CVethSegment::AppInterface(), 1, EndpointUse::Capture);
        ASSERT_TRUE(m_capture);
        ASSERT_TRUE(m_capture->SetFilter(CaptureFilterExpression(CVethSegment::AppMac())));
        m_sender =
            CLinkEndpoint::Open(CVethSegment::AppInterface(), 1, EndpointUse::DiscoverySender);
        ASSERT_TRUE(m_sender);
    }
    void TearDown() override {
        m_capture.reset();
        m_sender.reset();
        VethTest::TearDown();
        std::error_code error;
        if (!m_dir.empty())
            std::filesystem::remove_all(m_dir, error);
    }

    // Starts the simulator and waits until it answers discovery; returns the MACs that did.
    std::set<std::string> StartAndDiscover(const std::vector<std::string>& args,
                                           std::size_t expected) {
        std::vector<std::string> all = {"--out", (m_dir / "out").string()};
        all.insert(all.end(), args.begin(), args.end());
        m_devsim = StartDevsim(all, (m_dir / "devsim.txt").string());
        EXPECT_GT(m_devsim, 0);
        std::set<std::string> answered;
        const auto deadline = std::chrono::steady_clock::now() + 10s;
        while (answered.size() < expected && std::chrono::steady_clock::now() < deadline) {
            m_sender->Send(BuildDiscoveryRequest(CVethSegment::AppMac()));
            LinkFrame reply;
            while (WaitForFrame(*m_capture, reply, 200ms))
                if (reply.msg_type.get() == MsgDiscover && reply.op_code.get() == OpReply)
                    answered.insert(MacText(reply.src_mac));
        }
        return answered;
    }

    // Sends `frame` and waits for a frame from `device` that `wanted` accepts.
    bool Exchange(const LinkFrame& frame, const MacAddress& device,
                  const std::function<bool(const LinkFrame&)>& wanted, LinkFrame& reply,
                  std::chrono::milliseconds timeout = 2000ms) {
        m_sender->Send(frame);
        return WaitForFrameWhere(
            *m_capture, reply,
            [&](const LinkFrame& f) {
                return std::memcmp(f.src_mac, device.data(), 6) == 0 && wanted(f);
            },
            timeout);
    }

    std::string StopDevsim() {
        EXPECT_EQ(m_segment->Stop(m_devsim), 0);
        return ReadFile(m_dir / "devsim.txt");
    }

    std::filesystem::path m_dir;
    std::unique_ptr<CLinkEndpoint> m_capture;
    std::unique_ptr<CLinkEndpoint> m_sender;
    pid_t m_devsim = -1;
};

} // namespace

TEST_F(DevsimSegment, AnswersDiscoveryAcknowledgesEveryChunkAndReportsTheOutcome) {
    const std::set<std::string> answered = StartAndDiscover({"-n", "3", "--ssid2", "Shop-{n}"}, 3);
    EXPECT_EQ(answered, (std::set<std::string>{"02:00:00:00:00:01", "02:00:00:00:00:02",
                                               "02:00:00:00:00:03"}));

    std::string content;
    for (int i = 0; i < 3000; ++i)
        content.push_back(static_cast<char>('a' + i % 26));
    const auto path = m_dir / "config.xml";
    std::ofstream(path, std::ios::binary) << content;
    CFileChunker chunker;
    ASSERT_TRUE(chunker.Open(path.string()));
    LinkFrame chunk = BuildFrameTemplate(Device(2), CVethSegment::AppMac());
    chunk.msg_type.set(MsgConfigFile);
    chunk.op_code.set(OpConfigChunk);
    chunk.file_count.set(1);
    LinkFrame reply;
    while (!chunker.AtEnd()) {
        ASSERT_TRUE(chunker.NextChunk(chunk));
        const std::uint16_t seq = chunk.seq_no.get();
        ASSERT_TRUE(Exchange(
            chunk, Device(2),
            [&](const LinkFrame& f) { return IsChunkAcknowledgement(f, MsgConfigFile, seq); },
            reply))
            << "chunk " << seq;
        EXPECT_EQ(reply.seq_no.get(), seq);
    }
    ASSERT_TRUE(WaitForFrameWhere(
        *m_capture, reply, [](const LinkFrame& f) { return f.op_code.get() != OpReply; }, 2000ms));
    EXPECT_EQ(reply.msg_type.get(), MsgConfigFile);
    EXPECT_EQ(reply.op_code.get(), OpConfigOk);

    const std::string summary = StopDevsim();
    EXPECT_EQ(ReadFile(m_dir / "out" / "02-00-00-00-00-02.config"), content);
    EXPECT_NE(summary.find("02:00:00:00:00:02 discovery"), std::string::npos) << summary;
    EXPECT_NE(summary.find("config 3 frames 1 done 3000 bytes"), std::string::npos) << summary;
}

TEST_F(DevsimSegment, FaultModesAndLockCodePerDevice) {
    ASSERT_EQ(StartAndDiscover({"-n", "4", "--fault", "second-copy@2", "--fault", "no-ack@3",
                                "--lock-code", "1234@1,4", "--fault", "repeat-outcome=2@4"},
                               4)
                  .size(),
              4u);
    const std::string wrong = R"({"Lockcode":"9999","Enable":"1","ACName":"","DNS1":"","DNS2":""})";
    const std::string right = R"({"Lockcode":"1234","Enable":"1","ACName":"","DNS1":"","DNS2":""})";
    auto command = [&](int device, const std::string& text) {
        return BuildAntiTheftCommand(BuildFrameTemplate(Device(device), CVethSegment::AppMac()),
                                     text);
    };
    auto isAck = [](const LinkFrame& f) {
        return IsAntiTheftAcknowledgement(f);
    };
    auto isOutcome = [](const LinkFrame& f) {
        return f.msg_type.get() == MsgAntiTheft && f.op_code.get() != OpReply;
    };
    LinkFrame reply;

    // Device 1: the right lock code is applied.
    ASSERT_TRUE(Exchange(command(1, right), Device(1), isAck, reply));
    ASSERT_TRUE(WaitForFrameWhere(*m_capture, reply, isOutcome, 2000ms));
    EXPECT_EQ(reply.op_code.get(), OpAntiTheftOk);

    // Device 2: the first copy goes unanswered, the second is acknowledged.
    EXPECT_FALSE(Exchange(command(2, right), Device(2), isAck, reply, 300ms));
    EXPECT_TRUE(Exchange(command(2, right), Device(2), isAck, reply));

    // Device 3: never acknowledges.
    EXPECT_FALSE(Exchange(command(3, right), Device(3), isAck, reply, 300ms));

    // Device 4: a wrong lock code is refused, and the outcome comes twice.
    ASSERT_TRUE(Exchange(command(4, wrong), Device(4), isAck, reply));
    for (int copy = 0; copy < 2; ++copy) {
        ASSERT_TRUE(WaitForFrameWhere(*m_capture, reply, isOutcome, 2000ms)) << copy;
        EXPECT_EQ(reply.op_code.get(), OpLockcodeMismatch);
        EXPECT_EQ(std::memcmp(reply.src_mac, Device(4).data(), 6), 0);
    }
    StopDevsim();
    EXPECT_EQ(ReadFile(m_dir / "out" / "02-00-00-00-00-04.antitheft"), wrong);
}

TEST_F(DevsimSegment, CaptureEndpointHoldsABurstOf1000DiscoveryReplies) {
    m_devsim = StartDevsim({"-n", "1000"}, (m_dir / "devsim.txt").string());
    // Up once device 1 acknowledges a command sent to it alone; then ask all at once.
    const LinkFrame probe =
        BuildAntiTheftCommand(BuildFrameTemplate(Device(1), CVethSegment::AppMac()), "{}");
    LinkFrame reply;
    bool up = false;
    for (int i = 0; i < 50 && !up; ++i)
        up = Exchange(probe, Device(1), IsAntiTheftAcknowledgement, reply, 200ms);
    ASSERT_TRUE(up);
    while (WaitForFrame(*m_capture, reply, 100ms)) {
    } // the probe's outcome frames

    m_sender->Send(BuildDiscoveryRequest(CVethSegment::AppMac()));
    std::set<std::string> answered;
    while (answered.size() < 1000 && WaitForFrame(*m_capture, reply, 3000ms))
        if (reply.msg_type.get() == MsgDiscover)
            answered.insert(MacText(reply.src_mac));
    EXPECT_EQ(answered.size(), 1000u);
    EXPECT_EQ(m_capture->DroppedFrames(), 0u);
}
