// The daily success and failure logs: exact bytes, day folders, and one header per file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

#include "records/ResultLog.h"

using namespace lumicord;
namespace fs = std::filesystem;

namespace {

const std::string kHeader = "MAC\t\t\tType\t\tDate\n\r\n";
const std::string kMac = "00:1A:2B:3C:4D:5E";

LocalTime At(int year, int month, int day, int hour, int minute, int second) {
    LocalTime t;
    t.year = year;
    t.month = month;
    t.day = day;
    t.hour = hour;
    t.minute = minute;
    t.second = second;
    return t;
}

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class ResultLogTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_root = fs::temp_directory_path() /
                 ("lumicord-resultlog-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_root);
        // The log folder's own parents are created as well.
        m_log = std::make_unique<CResultLog>((m_root / "nested" / "Log").string() + "/");
    }
    void TearDown() override { fs::remove_all(m_root); }
    fs::path Day(const char* date) const { return m_root / "nested" / "Log" / date; }

    fs::path m_root;
    std::unique_ptr<CResultLog> m_log;
};

} // namespace

TEST_F(ResultLogTest, FirstSuccessOfADayWritesHeaderThenRecordAndLaterOnlyRecords) {
    m_log->WriteAt(At(2024, 3, 5, 9, 7, 1), ResultLogConfig, kMac, true);
    const fs::path file = Day("2024-03-05") / "Success.txt";
    const std::string first = kMac + "\tPARA_DATA\t2024-03-05 09:07:01\n\r\n";
    EXPECT_EQ(Read(file), kHeader + first);

    m_log->WriteAt(At(2024, 3, 5, 9, 7, 2), ResultLogLogo, kMac, true);
    EXPECT_EQ(Read(file), kHeader + first + kMac + "\tLOG_DATA\t2024-03-05 09:07:02\n\r\n");
    EXPECT_FALSE(fs::exists(Day("2024-03-05") / "Fail.txt"));
}

TEST_F(ResultLogTest, FailureInAnExistingDayFolderGetsItsOwnHeader) {
    m_log->WriteAt(At(2024, 3, 5, 10, 0, 0), ResultLogConfig, kMac, true);
    m_log->WriteAt(At(2024, 3, 5, 10, 0, 0), ResultLogLogo, kMac, false);
    EXPECT_EQ(Read(Day("2024-03-05") / "Fail.txt"),
              kHeader + kMac + "\tLOG_DATA\t2024-03-05 10:00:00\n\r\n");
    EXPECT_EQ(Read(Day("2024-03-05") / "Success.txt"),
              kHeader + kMac + "\tPARA_DATA\t2024-03-05 10:00:00\n\r\n");
}

TEST_F(ResultLogTest, AntiTheftAndUnknownKindsReadJsonCmdData) {
    m_log->WriteAt(At(2024, 12, 31, 23, 59, 59), ResultLogAntiTheft, kMac, false);
    m_log->WriteAt(At(2024, 12, 31, 23, 59, 59), 7, kMac, false);
    const std::string record = kMac + "\tJSON_CMD_DATA\t2024-12-31 23:59:59\n\r\n";
    EXPECT_EQ(Read(Day("2024-12-31") / "Fail.txt"), kHeader + record + record);
}

TEST_F(ResultLogTest, RecordJustAfterMidnightGoesToTheNewDay) {
    m_log->WriteAt(At(2024, 2, 29, 23, 59, 59), ResultLogConfig, kMac, true);
    m_log->WriteAt(At(2024, 3, 1, 0, 0, 1), ResultLogConfig, kMac, true);
    EXPECT_EQ(Read(Day("2024-02-29") / "Success.txt"),
              kHeader + kMac + "\tPARA_DATA\t2024-02-29 23:59:59\n\r\n");
    EXPECT_EQ(Read(Day("2024-03-01") / "Success.txt"),
              kHeader + kMac + "\tPARA_DATA\t2024-03-01 00:00:01\n\r\n");
}

TEST_F(ResultLogTest, FolderThatCannotBeMadeDropsTheRecordQuietly) {
    fs::create_directories(m_root);
    std::ofstream(m_root / "file") << "x";
    CResultLog blocked((m_root / "file" / "Log").string() + "/");
    blocked.Write(ResultLogConfig, kMac, true); // must neither throw nor crash
    EXPECT_FALSE(fs::exists(m_root / "file" / "Log"));
}

TEST_F(ResultLogTest, ConcurrentWritersGiveOneHeaderAndWholeRecords) {
    constexpr int kThreads = 8;
    constexpr int kEach = 50;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&] {
            for (int i = 0; i < kEach; ++i)
                m_log->WriteAt(At(2025, 1, 2, 3, 4, 5), ResultLogLogo, kMac, true);
        });
    for (std::thread& thread : threads)
        thread.join();
    std::string expected = kHeader;
    for (int i = 0; i < kThreads * kEach; ++i)
        expected += kMac + "\tLOG_DATA\t2025-01-02 03:04:05\n\r\n";
    EXPECT_EQ(Read(Day("2025-01-02") / "Success.txt"), expected);
}
