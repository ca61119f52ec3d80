#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <vector>

#include "StoreDevices.h"
#include "TempFolder.h"
#include "records/CSqlManagement.h"

using namespace lumicord;

namespace {

std::string ThreadMac(int index) {
    char mac[18];
    std::snprintf(mac, sizeof mac, "02:00:00:00:%02X:%02X", index / 256, index % 256);
    return mac;
}

// Discovery, transmitter and page threads all call the store at once; each device must end
// with exactly the statuses its own thread wrote last.
TEST(ResultStoreThreads, ManyCallersLoseNoWrite) {
    constexpr int kThreads = 64;
    constexpr int kRounds = 5;
    TempFolder folder;
    CSqlManagement store(folder.File("data.mdb"));
    std::vector<int> listedRows(kThreads, -1);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&store, &listedRows, t] {
            const std::string mac = ThreadMac(t);
            for (int round = 0; round < kRounds; ++round) {
                store.AddDevice(MakeDevice(mac, "ssid-" + std::to_string(t)));
                store.SetParaStatus(mac, OperateSuccess);
                store.SetLogoStatus(mac, TransmitFinish);
                store.SetAntiTheftStatus(mac, (t + round) % 8);
                store.SetResult(mac, store.GetDeviceResult(mac));
                std::list<ap_info_stu> rows;
                int count = 0;
                int success = 0;
                int failed = 0;
                store.ListDevices(rows, count, success, failed, round % 2 == 0, SortByResult,
                                  u"02:00");
                listedRows[static_cast<std::size_t>(t)] = count;
            }
        });
    }
    for (auto& thread : threads)
        thread.join();

    const auto rows = AllRows(store);
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(kThreads));
    int t = 0;
    for (const auto& row : rows) {
        EXPECT_EQ(row.mac, ThreadMac(t));
        EXPECT_EQ(row.para_status, OperateSuccess);
        EXPECT_EQ(row.logo_status, TransmitFinish);
        EXPECT_EQ(row.antitheft_status, (t + kRounds - 1) % 8);
        EXPECT_EQ(std::string(row.ssid2).rfind("ssid-" + std::to_string(t) + " ", 0), 0u);
        EXPECT_GE(listedRows[static_cast<std::size_t>(t)], 1);
        ++t;
    }
}

} // namespace
