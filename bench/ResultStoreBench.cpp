// Speed of the result store with 1000 devices: AddDevice rate, and median / 99th percentile of
// a sorted listing of all rows, a result lookup and a status write.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

#include "records/CSqlManagement.h"

using namespace lumicord;

namespace {
using Clock = std::chrono::steady_clock;

constexpr int kDevices = 1000;

std::string DeviceMac(int index) {
    char mac[18];
    std::snprintf(mac, sizeof mac, "02:00:00:00:%02X:%02X", index / 256, index % 256);
    return mac;
}

ap_discover_stu Device(int index) {
    ap_discover_stu device;
    std::memset(&device, 0, sizeof device);
    const std::string mac = DeviceMac(index);
    std::memcpy(device.mac, mac.c_str(), mac.size());
    std::snprintf(device.found_time, sizeof device.found_time, "2026-12-11 09:%02d:%02d",
                  index / 60 % 60, index % 60);
    std::snprintf(device.ssid2, sizeof device.ssid2, "Office-%d", index);
    std::snprintf(device.ssid5, sizeof device.ssid5, "Office-%d-5G", index);
    std::snprintf(device.wpakey2, sizeof device.wpakey2, "key-%08d", index);
    std::snprintf(device.wpakey5, sizeof device.wpakey5, "key5-%08d", index);
    return device;
}

double Milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// CPU time of this thread: unlike wall time it leaves out the other programs on the machine.
double ThreadCpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

struct Percentiles {
    double median;
    double p99;
};

Percentiles Of(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times[std::min(times.size() - 1, times.size() * 99 / 100)]};
}

// Runs `operation` `runs` times and prints the median and 99th percentile of wall and CPU time.
void Measure(const char* name, int runs, const std::function<void(int)>& operation) {
    std::vector<double> wall;
    std::vector<double> cpu;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        const double cpuStart = ThreadCpuMilliseconds();
        operation(i);
        cpu.push_back(ThreadCpuMilliseconds() - cpuStart);
        wall.push_back(Milliseconds(Clock::now() - start));
    }
    const Percentiles w = Of(wall);
    const Percentiles c = Of(cpu);
    std::printf("%-36s wall median %7.4f p99 %7.4f ms | cpu median %7.4f p99 %7.4f ms (%d runs)\n",
                name, w.median, w.p99, c.median, c.p99, runs);
}
} // namespace

int main() {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("lumicord-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    {
        CSqlManagement store((folder / "data.mdb").string());
        const auto start = Clock::now();
        for (int i = 0; i < kDevices; ++i)
            store.AddDevice(Device(i));
        const double ms = Milliseconds(Clock::now() - start);
        std::printf("AddDevice: %d devices in %.1f ms = %.0f per second\n", kDevices, ms,
                    kDevices * 1000.0 / ms);
        // Refreshing devices that are already there (a repeated discovery) takes the edit path.
        const auto again = Clock::now();
        for (int i = 0; i < kDevices; ++i)
            store.AddDevice(Device(i));
        const double againMs = Milliseconds(Clock::now() - again);
        std::printf("AddDevice again: %d devices in %.1f ms = %.0f per second\n", kDevices, againMs,
                    kDevices * 1000.0 / againMs);

        std::size_t listed = 0;
        Measure("ListDevices (1000 rows, by MAC)", 200, [&](int i) {
            std::list<ap_info_stu> rows;
            int count = 0;
            int success = 0;
            int failed = 0;
            store.ListDevices(rows, count, success, failed, i % 2 == 0, SortByMac, u"");
            listed = rows.size();
        });
        Measure("ListDevices (1000 rows, by result)", 200, [&](int i) {
            std::list<ap_info_stu> rows;
            int count = 0;
            int success = 0;
            int failed = 0;
            store.ListDevices(rows, count, success, failed, i % 2 == 0, SortByResult, u"");
        });
        int results = 0;
        Measure("GetDeviceResult", 5000,
                [&](int i) { results += store.GetDeviceResult(DeviceMac(i * 7 % kDevices)); });
        Measure("SetParaStatus", 5000,
                [&](int i) { store.SetParaStatus(DeviceMac(i * 13 % kDevices), i % 8); });
        Measure("SetResult", 5000,
                [&](int i) { store.SetResult(DeviceMac(i * 17 % kDevices), i % 4); });
        std::printf("(listed %zu rows; result sum %d)\n", listed, results);
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return 0;
}
