// Fixture for the discovery manager and transmitter tests on the veth segment: a store, a
// result log and a manager of the test's own, the manager's adapter set to the program's end,
// and lumicord-devsim on the far end writing what it receives into a folder.
#pragma once

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "VethTest.h"
#include "link/AcTransmitManage.h"
#include "platform/LocalClock.h"
#include "records/CSqlManagement.h"
#include "records/ResultLog.h"

namespace lumicord::testing {

// The result log's folder name for today, "YYYY-MM-DD".
inline std::string TodayFolder() {
    const LocalTime now = ReadLocalTime();
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", now.year, now.month, now.day);
    return text;
}

// How often `what` stands in `text`, overlaps included.
inline int CountOccurrences(const std::string& text, const std::string& what) {
    int count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++count;
    return count;
}

class ManagerSegment : public VethTest {
public:
    static std::string DeviceMacText(int number); // devsim's device `number`, from 1
    static MacAddress DeviceMacOf(int number);

protected:
    void SetUp() override;
    void TearDown() override;

    // The simulator with `args`, its transfers written into OutDir().
    void StartSimulator(const std::vector<std::string>& args);
    // Init, then discovery requests until `count` rows are in the store (the simulator may
    // still be opening its interface). False after `timeout`.
    bool DiscoverAll(int count, std::chrono::milliseconds timeout = std::chrono::seconds(15));

    int RowCount();
    // The store's row of `mac`; false when there is none.
    bool Row(const std::string& mac, ap_info_stu& row);
    // A row for `mac` as discovery would enter it.
    void AddRow(const std::string& mac);

    std::filesystem::path OutDir() const { return m_dir / "out"; }
    std::filesystem::path LogDir() const { return m_dir / "Log"; }

    std::filesystem::path m_dir;
    std::unique_ptr<CSqlManagement> m_store;
    std::unique_ptr<CResultLog> m_log;
    std::unique_ptr<AcTransmitManage> m_manager;
};

// Polls `done` every 20 ms until it holds or `timeout` passes.
bool WaitFor(const std::function<bool()>& done, std::chrono::milliseconds timeout);

std::string ReadWholeFile(const std::filesystem::path& path);
void WriteWholeFile(const std::filesystem::path& path, const std::string& bytes);
std::string PatternBytes(std::size_t size, unsigned seed);

} // namespace lumicord::testing
