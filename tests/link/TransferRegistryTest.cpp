// Starting transmitter threads and stopping them at shutdown, without a network: the jobs
// find no capture device, so each transfer fails after its endpoint tries.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <list>
#include <thread>

#include "link/TransferRegistry.h"
#include "platform/TextConversion.h"
#include "records/CSqlManagement.h"

using namespace lumicord;
using namespace std::chrono_literals;

namespace {

const MacAddress kDevice = {0x02, 0x00, 0x00, 0x00, 0x00, 0x01};

class TransferRegistry : public ::testing::Test {
protected:
    void SetUp() override {
        m_path = std::filesystem::temp_directory_path() /
                 ("lumicord-registry-" + std::to_string(::getpid()) + ".mdb");
        m_store = std::make_unique<CSqlManagement>(m_path.string());
        ap_discover_stu device{};
        std::strncpy(device.mac, MacText(kDevice).c_str(), sizeof device.mac - 1);
        m_store->AddDevice(device);
        m_store->SetParaStatus(MacText(kDevice), Operating);
    }
    void TearDown() override { m_store.reset(); }

    int ParaStatus() {
        std::list<ap_info_stu> rows;
        int count = 0, success = 0, fail = 0;
        m_store->ListDevices(rows, count, success, fail, true, SortByMac,
                             Utf8ToUtf16(MacText(kDevice)));
        return rows.empty() ? -1 : rows.front().para_status;
    }

    static TransmitJob Job() { return MakeTransmitJob(kDevice, kDevice, JobConfigFile); }

    std::filesystem::path m_path;
    std::unique_ptr<CSqlManagement> m_store;
};

} // namespace

TEST_F(TransferRegistry, ThreadCreationIsTriedFiveTimes) {
    for (const int failures : {4, 5}) {
        SCOPED_TRACE(failures);
        m_store->SetParaStatus(MacText(kDevice), Operating);
        int attempts = 0;
        CTransferRegistry registry(*m_store, [&](std::function<void()> routine) {
            if (++attempts <= failures)
                return false;
            routine(); // on this thread, to the end
            return true;
        });
        EXPECT_EQ(registry.Start(Job(), ""), failures < kThreadStartAttempts);
        EXPECT_EQ(attempts, std::min(failures + 1, kThreadStartAttempts));
        EXPECT_EQ(registry.Running(), 0);
        // A job that never started leaves the page's Operating in place.
        EXPECT_EQ(ParaStatus(), failures < kThreadStartAttempts ? TransmitFail : Operating);
    }
}

TEST_F(TransferRegistry, NoWriteReachesTheStoreAfterStopAll) {
    std::vector<std::function<void()>> held;
    CTransferRegistry registry(*m_store, [&](std::function<void()> routine) {
        held.push_back(std::move(routine)); // a thread that has not got going yet
        return true;
    });
    ASSERT_TRUE(registry.Start(Job(), ""));
    EXPECT_EQ(registry.Running(), 1);
    EXPECT_FALSE(registry.StopAll(50ms)); // it did not end in time
    EXPECT_FALSE(registry.Start(Job(), ""));

    // The store goes; the late transfer then runs and ends without touching it.
    m_store.reset();
    std::thread late(held.front());
    late.join();
    EXPECT_EQ(registry.Running(), 0);
}

TEST_F(TransferRegistry, StopAllEndsRunningTransfersAtOnce) {
    CTransferRegistry registry(*m_store);
    for (int i = 0; i < 20; ++i)
        ASSERT_TRUE(registry.Start(Job(), ""));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(registry.StopAll(5s));
    // Each would otherwise keep trying its endpoint for a second.
    EXPECT_LT(std::chrono::steady_clock::now() - start, 900ms);
    EXPECT_EQ(registry.Running(), 0);
}
