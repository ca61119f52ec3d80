// The link on the veth segment against lumicord-devsim: a discovery burst of 1000 devices, a
// 64 KiB configuration to 100 devices at once, and 500 transmitters waiting on silent devices.
// Prints its figures; run as root from a release build.
#include <sys/resource.h>
#include <sys/time.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <list>
#include <thread>
#include <vector>

#include "VethSegment.h"
#include "link/AcTransmitManage.h"
#include "link/LinkEndpoint.h"
#include "platform/OpenFileLimit.h"
#include "platform/WakeupFd.h"
#include "records/CSqlManagement.h"
#include "records/ResultLog.h"

using namespace lumicord;
using namespace lumicord::testing;
using Clock = std::chrono::steady_clock;

namespace {

double Seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

double TimevalSeconds(const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
}

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return TimevalSeconds(usage.ru_utime) + TimevalSeconds(usage.ru_stime);
}

double SystemCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return TimevalSeconds(usage.ru_stime);
}

long StatusKiB(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0)
            return std::stol(line.substr(std::strlen(field)));
    return -1;
}

long PeakRssKiB() {
    return StatusKiB("VmHWM:");
}

long CurrentRssKiB() {
    return StatusKiB("VmRSS:");
}

MacAddress DeviceMac(int number) {
    return {0x02,
            0x00,
            0x00,
            0x00,
            static_cast<std::uint8_t>(number >> 8),
            static_cast<std::uint8_t>(number & 0xFF)};
}

int RowCount(CSqlManagement& store) {
    std::list<ap_info_stu> rows;
    int count = 0, success = 0, fail = 0;
    store.ListDevices(rows, count, success, fail, true, SortByMac, u"");
    return count;
}

bool WaitFor(const std::function<bool()>& done, std::chrono::milliseconds timeout,
             std::chrono::microseconds step = std::chrono::microseconds(1000)) {
    const auto deadline = Clock::now() + timeout;
    while (!done()) {
        if (Clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(step);
    }
    return true;
}

struct Setup {
    std::filesystem::path dir;
    std::unique_ptr<CSqlManagement> store;
    std::unique_ptr<CResultLog> log;
    std::unique_ptr<AcTransmitManage> manager;
};

bool MakeSetup(Setup& s, const std::string& name) {
    s.dir = std::filesystem::temp_directory_path() / ("lumicord-linkbench-" + name);
    std::filesystem::create_directories(s.dir);
    s.store = std::make_unique<CSqlManagement>((s.dir / "data.mdb").string());
    s.log = std::make_unique<CResultLog>((s.dir / "Log/").string());
    s.manager = std::make_unique<AcTransmitManage>(*s.store, *s.log);
    std::vector<local_adapter_stu> adapters;
    s.manager->RefreshAdapters(adapters);
    for (const local_adapter_stu& adapter : adapters)
        if (std::strcmp(adapter.adapter_name, CVethSegment::AppInterface()) == 0)
            s.manager->ChooseAdapter(adapter);
    return s.manager->Init();
}

void TearDown(Setup& s) {
    s.manager->StopTransfers(std::chrono::seconds(5));
    s.manager.reset();
    s.store.reset();
    std::error_code error;
    std::filesystem::remove_all(s.dir, error);
}

pid_t StartDevsim(CVethSegment& segment, std::vector<std::string> args) {
    std::vector<std::string> argv = {LUMICORD_DEVSIM_PATH, "-i", CVethSegment::DeviceInterface()};
    argv.insert(argv.end(), args.begin(), args.end());
    return segment.Spawn(argv, "/dev/null");
}

// Repeats the request until `count` devices are in the store; the simulator may still be
// opening its interface.
bool DiscoverAll(Setup& s, int count) {
    for (int attempt = 0; attempt < 50; ++attempt) {
        s.manager->BroadcastDiscovery();
        if (WaitFor([&] { return RowCount(*s.store) >= count; }, std::chrono::milliseconds(300)))
            return true;
    }
    return false;
}

void DiscoveryBurst(CVethSegment& segment) {
    constexpr int kDevices = 1000;
    Setup s;
    if (!MakeSetup(s, "burst"))
        return;
    const pid_t devsim = StartDevsim(segment, {"-n", std::to_string(kDevices)});
    if (!DiscoverAll(s, 1)) {
        std::printf("discovery burst: the simulator did not answer\n");
        return;
    }
    std::this_thread::sleep_for(std::chrono::seconds(1)); // let the first answers settle
    s.manager->ClearDevices();
    s.store->DeleteAll();

    // A second listener on the program's end times the last reply on the wire.
    auto monitor = CLinkEndpoint::Open(CVethSegment::AppInterface(), 1, EndpointUse::Capture);
    monitor->SetFilter(CaptureFilterExpression(CVethSegment::AppMac()));
    monitor->SetNonBlocking(true);
    std::atomic<int> seen{0};
    std::atomic<Clock::rep> lastReply{0};
    CWakeupFd stop;
    std::thread listener([&] {
        while (!stop.Signalled()) {
            LinkFrame frame;
            if (monitor->Receive(frame) == ReceiveResult::Frame) {
                if (frame.msg_type.get() == MsgDiscover && frame.op_code.get() == OpReply) {
                    ++seen;
                    lastReply = Clock::now().time_since_epoch().count();
                }
                continue;
            }
            WaitReadable(monitor->SelectableFd(), stop.Fd(), nullptr);
        }
    });
    const Clock::time_point start = Clock::now();
    s.manager->BroadcastDiscovery();
    Clock::time_point allStored{};
    const bool complete = WaitFor([&] { return RowCount(*s.store) >= kDevices; },
                                  std::chrono::seconds(10), std::chrono::microseconds(2000));
    allStored = Clock::now();
    std::this_thread::sleep_for(std::chrono::seconds(1));
    stop.Signal();
    listener.join();
    const Clock::time_point last{Clock::duration(lastReply.load())};
    const int stored = RowCount(*s.store);
    std::printf(
        "discovery burst: %d devices, %d replies seen on the wire, %d rows stored, %d lost\n",
        kDevices, seen.load(), stored, kDevices - stored);
    if (complete)
        std::printf("  last reply %.3f s after the request; all rows stored %.3f s after the "
                    "request, %.3f s after the last reply\n",
                    Seconds(last - start), Seconds(allStored - start), Seconds(allStored - last));
    segment.Stop(devsim);
    TearDown(s);
}

// Median round trip of one chunk and its acknowledgement, device 1, outside any transmitter.
double MedianChunkRoundTrip(int samples) {
    auto endpoint =
        CLinkEndpoint::Open(CVethSegment::AppInterface(), 100, EndpointUse::Transmitter);
    endpoint->SetFilter(TransmitterFilterExpression(DeviceMac(1)));
    endpoint->SetNonBlocking(true);
    LinkFrame chunk = BuildFrameTemplate(DeviceMac(1), CVethSegment::AppMac());
    chunk.msg_type.set(MsgConfigFile);
    chunk.op_code.set(OpConfigChunk);
    chunk.file_count.set(1);
    chunk.chunk_len.set(1024);
    std::vector<double> times;
    for (int i = 0; i < samples; ++i) {
        chunk.seq_no.set(static_cast<std::uint16_t>(i + 1));
        chunk.chunk_pos.set(i == 0 ? ChunkFirst : ChunkMiddle);
        const Clock::time_point sent = Clock::now();
        endpoint->Send(chunk);
        const auto deadline = sent + std::chrono::seconds(1);
        for (;;) {
            LinkFrame reply;
            if (endpoint->Receive(reply) == ReceiveResult::Frame) {
                if (IsChunkAcknowledgement(reply, MsgConfigFile, chunk.seq_no.get())) {
                    times.push_back(Seconds(Clock::now() - sent));
                    break;
                }
                continue;
            }
            if (WaitReadable(endpoint->SelectableFd(), -1, &deadline) == PollWake::Timeout)
                break;
        }
    }
    if (times.empty())
        return 0;
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void Batch(CVethSegment& segment) {
    constexpr int kDevices = 100;
    constexpr int kChunks = 64;
    Setup s;
    if (!MakeSetup(s, "batch"))
        return;
    const pid_t devsim = StartDevsim(segment, {"-n", std::to_string(kDevices)});
    if (!DiscoverAll(s, kDevices)) {
        std::printf("batch: the simulator did not answer\n");
        return;
    }
    const std::string config = (s.dir / "config.xml").string();
    std::ofstream(config, std::ios::binary) << std::string(kChunks * 1024, 'c');
    const double roundTrip = MedianChunkRoundTrip(200);

    const double cpuBefore = CpuSeconds();
    const Clock::time_point start = Clock::now();
    for (int n = 1; n <= kDevices; ++n) {
        TransmitJob job = MakeTransmitJob(DeviceMac(n), CVethSegment::AppMac(), JobConfigFile);
        SetJobText(job.config_path, sizeof job.config_path, config);
        s.manager->StartTransmitJob(job);
    }
    WaitFor([&] { return s.manager->RunningTransfers() == 0; }, std::chrono::seconds(60),
            std::chrono::microseconds(500));
    const double wall = Seconds(Clock::now() - start);
    const double cpu = CpuSeconds() - cpuBefore;
    int succeeded = 0;
    std::list<ap_info_stu> rows;
    int count = 0, success = 0, fail = 0;
    s.store->ListDevices(rows, count, success, fail, true, SortByMac, u"");
    for (const ap_info_stu& row : rows)
        succeeded += row.para_status == TransmitFinish || row.para_status == OperateSuccess;
    // In parallel: all 100 transmitters at once, or only as many as there are processors.
    const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const double floorAll = kChunks * roundTrip * kDevices / kDevices;
    const double floorCores = kChunks * roundTrip * kDevices / std::min(cores, kDevices);
    std::printf("batch: 64 KiB to %d devices: %.3f s wall, %d transferred, process CPU %.3f s\n"
                "  median chunk round trip %.1f us; stop-and-wait floor 64 x round trip x %d / "
                "%d in parallel = %.4f s (ratio %.1f), / %d processors = %.4f s (ratio %.1f)\n",
                kDevices, wall, succeeded, cpu, roundTrip * 1e6, kDevices, kDevices, floorAll,
                wall / floorAll, cores, floorCores, wall / floorCores);
    segment.Stop(devsim);
    TearDown(s);
}

void SilentDevices() {
    constexpr int kTransmitters = 500;
    Setup s;
    if (!MakeSetup(s, "silent"))
        return;
    for (int n = 1; n <= kTransmitters; ++n) {
        ap_discover_stu device{};
        std::snprintf(device.mac, sizeof device.mac, "%s", MacText(DeviceMac(n)).c_str());
        s.store->AddDevice(device);
    }
    const long rssBefore = CurrentRssKiB();
    const double cpuBefore = CpuSeconds();
    const Clock::time_point start = Clock::now();
    int started = 0;
    for (int n = 1; n <= kTransmitters; ++n) {
        TransmitJob job = MakeTransmitJob(DeviceMac(n), CVethSegment::AppMac(), JobAntiTheft);
        SetJobText(job.command_text, sizeof job.command_text, "{\"Lockcode\":\"1\"}");
        started += s.manager->StartTransmitJob(job);
    }
    const double startedAfter = Seconds(Clock::now() - start);
    // The waiting itself: from when every transmitter has sent its first copy until the
    // first of them gives up.
    std::this_thread::sleep_for(std::chrono::milliseconds(1000) - (Clock::now() - start));
    const double cpuWaitStart = CpuSeconds();
    const double systemWaitStart = SystemCpuSeconds();
    const Clock::time_point waitStart = Clock::now();
    std::this_thread::sleep_for(std::chrono::milliseconds(3500));
    const double waitCpu = CpuSeconds() - cpuWaitStart;
    const double waitSystem = SystemCpuSeconds() - systemWaitStart;
    const double waitWall = Seconds(Clock::now() - waitStart);
    const long rssWaiting = CurrentRssKiB();
    WaitFor([&] { return s.manager->RunningTransfers() == 0; }, std::chrono::seconds(30),
            std::chrono::milliseconds(10));
    const double wall = Seconds(Clock::now() - start);
    const double cpu = CpuSeconds() - cpuBefore;
    std::printf("silent devices: %d transmitters started in %.2f s, all ended after %.2f s\n"
                "  process CPU over the whole run %.3f s = %.1f %% of one core; while all "
                "wait (%.1f s): %.1f %% of one core (%.1f %% in the kernel)\n"
                "  resident memory: %.1f MiB before, %.1f MiB while waiting, peak %.1f MiB\n",
                started, startedAfter, wall, cpu, 100.0 * cpu / wall, waitWall,
                100.0 * waitCpu / waitWall, 100.0 * waitSystem / waitWall, rssBefore / 1024.0,
                rssWaiting / 1024.0, PeakRssKiB() / 1024.0);
    TearDown(s);
}

} // namespace

int main(int argc, char** argv) {
    RaiseOpenFileLimit();
    std::string whyNot;
    auto segment = CVethSegment::Create(whyNot);
    if (!segment) {
        std::printf("no veth segment: %s\n", whyNot.c_str());
        return 1;
    }
    const std::string only = argc > 1 ? argv[1] : "";
    if (only.empty() || only == "silent")
        SilentDevices(); // first, so that its peak memory is its own
    if (only.empty() || only == "burst")
        DiscoveryBurst(*segment);
    if (only.empty() || only == "batch")
        Batch(*segment);
    return 0;
}
