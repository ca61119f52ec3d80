// The discovery manager against simulated devices: scans, duplicate replies, restarts, and the
// outcome frames that reach the result store and the result log.
#include <gtest/gtest.h>

#include <cstring>
#include <thread>

#include "ManagerSegment.h"
#include "link/TransmitJob.h"
#include "platform/LocalClock.h"

using namespace lumicord;
using namespace lumicord::testing;
using namespace std::chrono_literals;

namespace {

// The simulator's {n}: the device number in four digits.
std::string Number(int n) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d", n);
    return text;
}

std::string Trimmed(const char* text) {
    std::string s(text);
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}

} // namespace

TEST_F(ManagerSegment, ScanFindsEveryDeviceOnceWithItsDeviceInfo) {
    StartSimulator({"-n", "50", "--ssid2", "net-{n}", "--key5", "secret-{n}-5"});
    // DiscoverAll repeats the request, so every device answers more than once.
    ASSERT_TRUE(DiscoverAll(50));
    m_manager->BroadcastDiscovery();
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(RowCount(), 50);
    const std::vector<ap_discover_stu> devices = m_manager->Devices();
    ASSERT_EQ(devices.size(), 50u);
    for (int n = 1; n <= 50; ++n) {
        const std::string mac = DeviceMacText(n);
        ap_info_stu row;
        ASSERT_TRUE(Row(mac, row)) << mac;
        // The store's fixed-width columns come back padded with blanks.
        EXPECT_EQ(Trimmed(row.ssid2), "net-" + Number(n));
        EXPECT_EQ(Trimmed(row.wpakey5), "secret-" + Number(n) + "-5");
        EXPECT_EQ(row.para_status, WaitOperate);
        const auto found = std::find_if(devices.begin(), devices.end(),
                                        [&](const auto& d) { return mac == d.mac; });
        ASSERT_NE(found, devices.end());
        EXPECT_STREQ(found->ssid5, ("Lumicord-" + Number(n) + "-5G").c_str());
        EXPECT_EQ(std::strlen(found->found_time), 19u);
    }

    // A known device answering again changes nothing; after ClearDevices it is entered
    // again, its statuses back at 0.
    const std::string first = DeviceMacText(1);
    m_store->SetParaStatus(first, OperateFail);
    m_manager->BroadcastDiscovery();
    std::this_thread::sleep_for(300ms);
    ap_info_stu row;
    ASSERT_TRUE(Row(first, row));
    EXPECT_EQ(row.para_status, OperateFail);
    m_manager->ClearDevices();
    m_manager->BroadcastDiscovery();
    EXPECT_TRUE(WaitFor([&] { return Row(first, row) && row.para_status == WaitOperate; }, 5s));
    EXPECT_EQ(RowCount(), 50);
}

TEST_F(ManagerSegment, SecondInitLeavesOneCaptureAndOneDispatchThread) {
    StartSimulator({"-n", "3"});
    ASSERT_TRUE(DiscoverAll(3));
    EXPECT_TRUE(WaitFor([&] { return m_manager->RunningLinkThreads() == 2; }, 2s));
    ASSERT_TRUE(m_manager->Init());
    EXPECT_TRUE(WaitFor([&] { return m_manager->RunningLinkThreads() == 2; }, 2s));
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(m_manager->RunningLinkThreads(), 2);
    // The restarted threads still find the devices.
    m_manager->ClearDevices();
    m_store->DeleteAll();
    m_manager->BroadcastDiscovery();
    EXPECT_TRUE(WaitFor([&] { return RowCount() == 3; }, 5s));
    m_manager->StopThreads();
    EXPECT_EQ(m_manager->RunningLinkThreads(), 0);
}

TEST_F(ManagerSegment, OutcomeFramesReachTheLogAndTheStore) {
    // 1 applies, 2 fails, 3 refuses the lock code, 4 reports its outcome twice, 5 is not in
    // the store.
    StartSimulator({"-n", "5", "--outcome", "failed@2", "--lock-code", "right@3", "--fault",
                    "repeat-outcome=2@4"});
    ASSERT_TRUE(DiscoverAll(5));
    m_store->DeleteAll();
    for (int n = 1; n <= 4; ++n)
        AddRow(DeviceMacText(n));
    const std::filesystem::path config = m_dir / "c.json";
    WriteWholeFile(config, "{\"a\": 1}");
    for (int n = 1; n <= 5; ++n) {
        TransmitJob job = MakeTransmitJob(DeviceMacOf(n), m_manager->AdapterMac(),
                                          n == 3 ? JobAntiTheft : JobConfigFile);
        SetJobText(job.config_path, sizeof job.config_path, config.string());
        SetJobText(job.command_text, sizeof job.command_text, "{\"Lockcode\":\"wrong\"}");
        ASSERT_TRUE(m_manager->StartTransmitJob(job));
    }
    ap_info_stu r1, r2, r3, r4;
    EXPECT_TRUE(WaitFor(
        [&] {
            return Row(DeviceMacText(1), r1) && r1.para_status == OperateSuccess &&
                   Row(DeviceMacText(2), r2) && r2.para_status == OperateFail &&
                   Row(DeviceMacText(3), r3) && r3.antitheft_status == LockcodeMismatch &&
                   Row(DeviceMacText(4), r4) && r4.para_status == OperateSuccess;
        },
        10s));
    EXPECT_TRUE(WaitFor([&] { return m_manager->RunningTransfers() == 0; }, 10s));
    std::this_thread::sleep_for(300ms); // let the repeated outcome arrive
    EXPECT_EQ(RowCount(), 4);

    const std::string success = ReadWholeFile(LogDir() / TodayFolder() / "Success.txt");
    const std::string fail = ReadWholeFile(LogDir() / TodayFolder() / "Fail.txt");
    EXPECT_EQ(CountOccurrences(success, DeviceMacText(1) + "\tPARA_DATA\t"), 1);
    EXPECT_EQ(CountOccurrences(fail, DeviceMacText(2) + "\tPARA_DATA\t"), 1);
    EXPECT_EQ(CountOccurrences(fail, DeviceMacText(3) + "\tJSON_CMD_DATA\t"), 1);
    EXPECT_EQ(CountOccurrences(success, DeviceMacText(4) + "\tPARA_DATA\t"), 2);
    EXPECT_EQ(CountOccurrences(success, DeviceMacText(5) + "\tPARA_DATA\t"), 1);
}
