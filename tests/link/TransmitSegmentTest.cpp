// Transmitters against simulated devices: what arrives, how often a silent device is asked,
// acknowledgements of second copies, stray floods, and stopping in the middle of a batch.
#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "FrameWait.h"
#include "ManagerSegment.h"
#include "link/LinkEndpoint.h"
#include "link/TransmitJob.h"

using namespace lumicord;
using namespace lumicord::testing;
using namespace std::chrono_literals;

namespace {

std::string OutName(int number, const char* kind) {
    std::string name = ManagerSegment::DeviceMacText(number);
    for (char& c : name)
        if (c == ':')
            c = '-';
    return name + "." + kind;
}

} // namespace

class TransmitSegment : public ManagerSegment {
protected:
    TransmitJob Job(int number, std::int32_t kind, const std::string& logo,
                    const std::string& config) {
        TransmitJob job = MakeTransmitJob(DeviceMacOf(number), m_manager->AdapterMac(), kind);
        SetJobText(job.logo_path, sizeof job.logo_path, logo);
        SetJobText(job.config_path, sizeof job.config_path, config);
        return job;
    }
    std::string File(const std::string& name, const std::string& bytes) {
        WriteWholeFile(m_dir / name, bytes);
        return (m_dir / name).string();
    }
    bool AllEnded(std::chrono::milliseconds timeout = 20s) {
        return WaitFor([&] { return m_manager->RunningTransfers() == 0; }, timeout);
    }
};

TEST_F(TransmitSegment, FilesArriveByteIdenticalForEveryKind) {
    StartSimulator({"-n", "6"});
    ASSERT_TRUE(DiscoverAll(6));
    const std::string logoBytes = PatternBytes(3000, 1);
    const std::string configBytes = PatternBytes(5 * 1024 + 1, 2);
    const std::string logo = File("logo.jpg", logoBytes);
    const std::string config = File("config.xml", configBytes);
    const std::string empty = File("empty.xml", "");
    struct Case {
        std::int32_t kind;
        const std::string& config;
        bool logoSent, configSent;
    } cases[] = {
        {JobLogo, config, true, false},
        {JobConfigFile, config, false, true},
        {JobLogoAndConfig, config, true, true},
        {0, config, true, true},
        {7, config, true, true},
        {JobConfigFile, empty, false, true},
    };
    for (int n = 1; n <= 6; ++n)
        ASSERT_TRUE(
            m_manager->StartTransmitJob(Job(n, cases[n - 1].kind, logo, cases[n - 1].config)));
    ASSERT_TRUE(AllEnded());

    for (int n = 1; n <= 6; ++n) {
        SCOPED_TRACE("device " + std::to_string(n));
        const Case& c = cases[n - 1];
        const std::string expectedConfig = n == 6 ? std::string() : configBytes;
        ap_info_stu row;
        // The device reports the outcome after the last acknowledgement.
        EXPECT_TRUE(WaitFor(
            [&] {
                return Row(DeviceMacText(n), row) &&
                       row.logo_status == (c.logoSent ? OperateSuccess : WaitOperate) &&
                       row.para_status == (c.configSent ? OperateSuccess : WaitOperate);
            },
            5s))
            << row.logo_status << " " << row.para_status;
        EXPECT_EQ(std::filesystem::exists(OutDir() / OutName(n, "logo")), c.logoSent);
        if (c.logoSent) {
            EXPECT_EQ(ReadWholeFile(OutDir() / OutName(n, "logo")), logoBytes);
        }
        EXPECT_EQ(std::filesystem::exists(OutDir() / OutName(n, "config")), c.configSent);
        if (c.configSent) {
            EXPECT_EQ(ReadWholeFile(OutDir() / OutName(n, "config")), expectedConfig);
        }
    }
}

TEST_F(TransmitSegment, MissingLogoFailsItsColumnAndTheConfigurationStillGoes) {
    StartSimulator({"-n", "1"});
    ASSERT_TRUE(DiscoverAll(1));
    const std::string configBytes = PatternBytes(2000, 3);
    ASSERT_TRUE(m_manager->StartTransmitJob(
        Job(1, JobLogoAndConfig, (m_dir / "none.png").string(), File("c.json", configBytes))));
    ASSERT_TRUE(AllEnded());
    ap_info_stu row;
    EXPECT_TRUE(WaitFor(
        [&] { return Row(DeviceMacText(1), row) && row.para_status == OperateSuccess; }, 5s));
    EXPECT_EQ(row.logo_status, TransmitFail);
    EXPECT_EQ(ReadWholeFile(OutDir() / OutName(1, "config")), configBytes);
}

TEST_F(TransmitSegment, SilentDeviceIsAskedFiveTimesThenFails) {
    // Nothing answers this address; the test listens on the far end of the pair.
    const MacAddress silent = {0x02, 0x00, 0x00, 0x00, 0x0f, 0x01};
    AddRow(MacText(silent));
    auto monitor = CLinkEndpoint::Open(CVethSegment::DeviceInterface(), 1, EndpointUse::Capture);
    ASSERT_TRUE(monitor);
    ASSERT_TRUE(monitor->SetFilter("ether dst " + MacTextLower(silent)));
    ASSERT_TRUE(monitor->SetNonBlocking(true));

    TransmitJob job = MakeTransmitJob(silent, m_manager->AdapterMac(), JobAntiTheft);
    SetJobText(job.command_text, sizeof job.command_text, "{\"Lockcode\":\"1\"}");
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(m_manager->StartTransmitJob(job));
    std::vector<double> sentAt;
    LinkFrame frame;
    while (WaitForFrame(*monitor, frame, 2500ms))
        sentAt.push_back(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    ASSERT_TRUE(AllEnded());
    const double endedAt =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    ASSERT_EQ(sentAt.size(), 5u);
    for (std::size_t i = 1; i < sentAt.size(); ++i) {
        EXPECT_GT(sentAt[i] - sentAt[i - 1], 0.8);
        EXPECT_LT(sentAt[i] - sentAt[i - 1], 1.6);
    }
    ap_info_stu row;
    ASSERT_TRUE(Row(MacText(silent), row));
    EXPECT_EQ(row.antitheft_status, TransmitFail);
    EXPECT_GT(endedAt, 4.5);
}

TEST_F(TransmitSegment, SecondCopiesAndStrayFloodsStillDeliver) {
    // Device 1 acknowledges only every second copy; device 2 also floods stray frames at every
    // new chunk.
    StartSimulator({"-n", "2", "--fault", "second-copy", "--fault", "flood=25000@2"});
    ASSERT_TRUE(DiscoverAll(2));
    const std::string bytes = PatternBytes(1500, 4);
    const std::string config = File("c.xml", bytes);
    for (int n = 1; n <= 2; ++n)
        ASSERT_TRUE(m_manager->StartTransmitJob(Job(n, JobConfigFile, "", config)));
    ASSERT_TRUE(AllEnded());
    for (int n = 1; n <= 2; ++n) {
        ap_info_stu row;
        EXPECT_TRUE(WaitFor(
            [&] { return Row(DeviceMacText(n), row) && row.para_status == OperateSuccess; }, 5s))
            << n;
        EXPECT_EQ(ReadWholeFile(OutDir() / OutName(n, "config")), bytes) << n;
    }
}

TEST_F(TransmitSegment, StoppingDuringABatchEndsEveryTransmitter) {
    StartSimulator({"-n", "10", "--fault", "no-ack@1-5", "--fault", "ack-delay=50@6-10"});
    ASSERT_TRUE(DiscoverAll(10));
    const std::string config = File("c.xml", PatternBytes(40 * 1024, 5));
    for (int round = 0; round < 3; ++round)
        for (int n = 1; n <= 10; ++n)
            ASSERT_TRUE(m_manager->StartTransmitJob(Job(n, JobLogoAndConfig, config, config)));
    std::this_thread::sleep_for(300ms);
    EXPECT_GT(m_manager->RunningTransfers(), 0);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(m_manager->StopTransfers(5s));
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
    EXPECT_EQ(m_manager->RunningTransfers(), 0);
    EXPECT_FALSE(m_manager->StartTransmitJob(Job(1, JobLogo, config, "")));
    // The store and the manager go right away; nothing may touch them afterwards.
    m_manager.reset();
    m_store.reset();
}

namespace {

// Listens on the simulator's end for the chunks the program sends, in wire order.
class CChunkLog {
public:
    CChunkLog() {
        m_endpoint =
            CLinkEndpoint::Open(CVethSegment::DeviceInterface(), 1, EndpointUse::TransferPath);
        if (m_endpoint)
            m_ready = m_endpoint->SetFilter("ether src " + MacTextLower(CVethSegment::AppMac()) +
                                            " and ether proto 0x6262") &&
                      m_endpoint->SetNonBlocking(true);
    }
    bool Ready() const { return m_ready; }
    // Every chunk that went out until the wire has been quiet for `quiet`: its device number.
    std::vector<int> Destinations(std::chrono::milliseconds quiet = 300ms) {
        std::vector<int> destinations;
        LinkFrame frame;
        while (WaitForFrame(*m_endpoint, frame, quiet))
            if (frame.op_code.get() == OpConfigChunk)
                destinations.push_back(frame.dst_mac[4] << 8 | frame.dst_mac[5]);
        return destinations;
    }

private:
    std::unique_ptr<CLinkEndpoint> m_endpoint;
    bool m_ready = false;
};

int CountOf(const std::vector<int>& values, int value) {
    return static_cast<int>(std::count(values.begin(), values.end(), value));
}

} // namespace

TEST_F(TransmitSegment, TwoDevicesWhoseFramesInterleaveEachGetTheirOwnFileOnce) {
    // Both answer 5 ms late, so each device's chunks go out between the other's.
    StartSimulator({"-n", "2", "--fault", "ack-delay=5"});
    ASSERT_TRUE(DiscoverAll(2));
    CChunkLog wire;
    ASSERT_TRUE(wire.Ready());
    const std::string bytes[2] = {PatternBytes(20 * 1024, 6), PatternBytes(20 * 1024 - 7, 7)};
    for (int n = 1; n <= 2; ++n)
        ASSERT_TRUE(m_manager->StartTransmitJob(
            Job(n, JobConfigFile, "", File("c" + std::to_string(n) + ".xml", bytes[n - 1]))));
    ASSERT_TRUE(AllEnded());
    const std::vector<int> sent = wire.Destinations();

    int turns = 0;
    for (std::size_t i = 1; i < sent.size(); ++i)
        turns += sent[i] != sent[i - 1];
    EXPECT_GE(turns, 4) << "the two transfers did not run side by side";
    for (int n = 1; n <= 2; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(CountOf(sent, n), 20); // every chunk once: no acknowledgement went astray
        ap_info_stu row;
        EXPECT_TRUE(WaitFor(
            [&] { return Row(DeviceMacText(n), row) && row.para_status == OperateSuccess; }, 5s));
        EXPECT_EQ(ReadWholeFile(OutDir() / OutName(n, "config")), bytes[n - 1]);
    }
}

TEST_F(TransmitSegment, OneDevicesAcknowledgementsNeverReachAnotherDevicesTransfer) {
    // Both get the same file, so device 2's acknowledgements would match device 1's chunks.
    StartSimulator({"-n", "2", "--fault", "no-ack@1"});
    ASSERT_TRUE(DiscoverAll(2));
    CChunkLog wire;
    ASSERT_TRUE(wire.Ready());
    const std::string config = File("c.xml", PatternBytes(3000, 8));
    for (int n = 1; n <= 2; ++n)
        ASSERT_TRUE(m_manager->StartTransmitJob(Job(n, JobConfigFile, "", config)));
    ASSERT_TRUE(AllEnded());
    const std::vector<int> sent = wire.Destinations();

    EXPECT_EQ(CountOf(sent, 1), 5); // the first chunk, five times, then the failure
    EXPECT_EQ(CountOf(sent, 2), 3);
    ap_info_stu row;
    ASSERT_TRUE(Row(DeviceMacText(1), row));
    EXPECT_EQ(row.para_status, TransmitFail);
    EXPECT_TRUE(WaitFor(
        [&] { return Row(DeviceMacText(2), row) && row.para_status == OperateSuccess; }, 5s));
}

TEST_F(TransmitSegment, StrayFloodFromOneDeviceDoesNotHoldUpAnother) {
    // Device 1 sends 2000 stray frames before each acknowledgement.
    StartSimulator({"-n", "2", "--fault", "flood=2000@1"});
    ASSERT_TRUE(DiscoverAll(2));
    CChunkLog wire;
    ASSERT_TRUE(wire.Ready());
    const std::string bytes = PatternBytes(20 * 1024, 9);
    const std::string config = File("c.xml", bytes);
    for (int n = 1; n <= 2; ++n)
        ASSERT_TRUE(m_manager->StartTransmitJob(Job(n, JobConfigFile, "", config)));
    ASSERT_TRUE(AllEnded());
    const std::vector<int> sent = wire.Destinations();

    // Device 2's chunks each went once: none waited for a resend.
    EXPECT_EQ(CountOf(sent, 2), 20);
    EXPECT_EQ(CountOf(sent, 1), 20);
    for (int n = 1; n <= 2; ++n) {
        SCOPED_TRACE(n);
        ap_info_stu row;
        EXPECT_TRUE(WaitFor(
            [&] { return Row(DeviceMacText(n), row) && row.para_status == OperateSuccess; }, 5s));
        EXPECT_EQ(ReadWholeFile(OutDir() / OutName(n, "config")), bytes);
    }
}
