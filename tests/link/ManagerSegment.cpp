#include "ManagerSegment.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <list>
#include <thread>

#include "platform/TextConversion.h"

namespace lumicord::testing {

void ManagerSegment::SetUp() {
    VethTest::SetUp();
    if (IsSkipped())
        return;
    m_dir = std::filesystem::temp_directory_path() / ("mgr-" + m_segment->Namespace());
    std::filesystem::create_directories(OutDir());
    m_store = std::make_unique<CSqlManagement>((m_dir / "data.mdb").string());
    m_log = std::make_unique<CResultLog>(LogDir().string() + "/");
    m_manager = std::make_unique<AcTransmitManage>(*m_store, *m_log);
    std::vector<local_adapter_stu> adapters;
    m_manager->RefreshAdapters(adapters);
    for (const local_adapter_stu& adapter : adapters)
        if (std::strcmp(adapter.adapter_name, CVethSegment::AppInterface()) == 0)
            m_manager->ChooseAdapter(adapter);
    ASSERT_STREQ(m_manager->CaptureDeviceName(), CVethSegment::AppInterface());
    ASSERT_EQ(m_manager->AdapterMac(), CVethSegment::AppMac());
}

void ManagerSegment::TearDown() {
    // The application's order: transfers, then the manager's threads, then the store.
    if (m_manager) {
        EXPECT_TRUE(m_manager->StopTransfers(std::chrono::seconds(5)));
    }
    m_manager.reset();
    m_store.reset();
    m_log.reset();
    VethTest::TearDown();
    std::error_code error;
    if (!m_dir.empty())
        std::filesystem::remove_all(m_dir, error);
}

void ManagerSegment::StartSimulator(const std::vector<std::string>& args) {
    std::vector<std::string> all = {"--out", OutDir().string()};
    all.insert(all.end(), args.begin(), args.end());
    ASSERT_GT(StartDevsim(all, (m_dir / "devsim.txt").string()), 0);
}

bool ManagerSegment::DiscoverAll(int count, std::chrono::milliseconds timeout) {
    if (!m_manager->Init())
        return false;
    m_manager->ClearDevices();
    m_store->DeleteAll();
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        m_manager->BroadcastDiscovery();
        if (WaitFor([&] { return RowCount() >= count; }, std::chrono::milliseconds(300)))
            return RowCount() == count;
    }
    return false;
}

int ManagerSegment::RowCount() {
    std::list<ap_info_stu> rows;
    int count = 0, success = 0, fail = 0;
    m_store->ListDevices(rows, count, success, fail, true, SortByMac, u"");
    return count;
}

bool ManagerSegment::Row(const std::string& mac, ap_info_stu& row) {
    std::list<ap_info_stu> rows;
    int count = 0, success = 0, fail = 0;
    m_store->ListDevices(rows, count, success, fail, true, SortByMac, Utf8ToUtf16(mac));
    if (rows.size() != 1)
        return false;
    row = rows.front();
    return true;
}

void ManagerSegment::AddRow(const std::string& mac) {
    ap_discover_stu device{};
    std::strncpy(device.mac, mac.c_str(), sizeof device.mac - 1);
    std::strncpy(device.found_time, "2026-01-01 00:00:00", sizeof device.found_time - 1);
    m_store->AddDevice(device);
}

MacAddress ManagerSegment::DeviceMacOf(int number) {
    return {0x02,
            0x00,
            0x00,
            0x00,
            static_cast<std::uint8_t>(number >> 8),
            static_cast<std::uint8_t>(number & 0xFF)};
}

std::string ManagerSegment::DeviceMacText(int number) {
    return MacText(DeviceMacOf(number));
}

bool WaitFor(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

std::string ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteWholeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string PatternBytes(std::size_t size, unsigned seed) {
    std::string bytes(size, '\0');
    unsigned x = seed * 2654435761u + 1;
    for (char& c : bytes) {
        x = x * 1103515245u + 12345u;
        c = static_cast<char>(x >> 16);
    }
    return bytes;
}

} // namespace lumicord::testing
