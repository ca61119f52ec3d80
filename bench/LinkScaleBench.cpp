// lumicord-cli against 100 and 1000 simulated devices on the veth segment, as a production line
// runs it: a 64 KiB configuration to every device, transfers waiting on silent devices, and an
// anti-theft command to every device at once. Prints the time on the wire, the tool's CPU and
// its peak memory. Run as root from a release build.
//   bench_link_scale [--cli PATH] [--devsim PATH] [--repeat N] [--open-files N]
//                    [batch|silent|antitheft]
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "VethSegment.h"
#include "link/LinkEndpoint.h"
#include "platform/WakeupFd.h"

using namespace lumicord;
using namespace lumicord::testing;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kChunks = 64;
const char* const kCommand = "{\"Lockcode\":\"1\"}";

struct Paths {
    std::string cli = LUMICORD_CLI_PATH;
    std::string devsim = LUMICORD_DEVSIM_PATH;
    std::filesystem::path dir;
};

double TimevalSeconds(const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
}

// Starts `argv` in this thread's network namespace, output into `outputPath`.
pid_t ForkExec(const std::vector<std::string>& argv, const std::string& outputPath) {
    std::vector<char*> args;
    for (const std::string& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        const int out = open(outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (out >= 0) {
            dup2(out, 1);
            dup2(out, 2);
        }
        execv(args[0], args.data());
        _exit(127);
    }
    return pid;
}

struct ChildUsage {
    int exitCode = -1;
    double cpu = 0;     // user + system, seconds
    long maxRssKiB = 0; // peak resident set
    double wall = 0;
};

ChildUsage WaitChild(pid_t pid, Clock::time_point started) {
    ChildUsage usage;
    int status = 0;
    rusage ru{};
    if (wait4(pid, &status, 0, &ru) == pid) {
        usage.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        usage.cpu = TimevalSeconds(ru.ru_utime) + TimevalSeconds(ru.ru_stime);
        usage.maxRssKiB = ru.ru_maxrss;
    }
    usage.wall = std::chrono::duration<double>(Clock::now() - started).count();
    return usage;
}

// CPU seconds a running process (or with `mainThreadOnly`, its main thread) has used so far.
double ProcessCpu(pid_t pid, bool mainThreadOnly = false) {
    const std::string id = std::to_string(pid);
    std::ifstream in("/proc/" + id + (mainThreadOnly ? "/task/" + id : std::string()) + "/stat");
    std::string text((std::istreambuf_iterator<char>(in)), {});
    const std::size_t close = text.rfind(')');
    if (close == std::string::npos)
        return 0;
    std::istringstream fields(text.substr(close + 2));
    std::string field;
    unsigned long long utime = 0, stime = 0;
    for (int index = 3; fields >> field; ++index) {
        if (index == 14)
            utime = std::stoull(field);
        if (index == 15) {
            stime = std::stoull(field);
            break;
        }
    }
    return static_cast<double>(utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double ChildrenCpu() {
    rusage ru{};
    getrusage(RUSAGE_CHILDREN, &ru);
    return TimevalSeconds(ru.ru_utime) + TimevalSeconds(ru.ru_stime);
}

int CountLines(const std::string& path, const std::string& needle) {
    std::ifstream in(path);
    std::string line;
    int count = 0;
    while (std::getline(in, line))
        count += line.find(needle) != std::string::npos;
    return count;
}

// The result lines of the devices that did not succeed, counted by their text.
void PrintFailures(const std::string& path) {
    std::ifstream in(path);
    std::string line;
    std::vector<std::pair<std::string, int>> kinds;
    while (std::getline(in, line)) {
        if (line.find("result: success") != std::string::npos ||
            line.find('\t') == std::string::npos)
            continue;
        const std::string text = line.substr(line.find('\t') + 1);
        auto found = std::find_if(kinds.begin(), kinds.end(),
                                  [&](const auto& kind) { return kind.first == text; });
        if (found == kinds.end())
            kinds.emplace_back(text, 1);
        else
            ++found->second;
    }
    for (const auto& [text, count] : kinds)
        std::printf("  not succeeded: %d x %s\n", count, text.c_str());
}

// Watches the program's end of the pair: the first frame the tool sends of one conversation
// and every acknowledgement of it, with the kernel's capture times.
class CWireMonitor {
public:
    CWireMonitor(std::uint16_t msgType, std::uint16_t firstOp) : m_firstOp(firstOp) {
        m_endpoint = CLinkEndpoint::Open(CVethSegment::AppInterface(), 1, EndpointUse::Capture);
        const std::string type = std::to_string(msgType);
        m_endpoint->SetFilter("ether proto 0x6262 and ether[14:2] = " + type +
                              " and (ether[18:2] = 4 or (ether[18:2] = " + std::to_string(firstOp) +
                              " and ether[16:2] = 1))");
        m_endpoint->SetNonBlocking(true);
        m_thread = std::thread([this] { Run(); });
    }
    ~CWireMonitor() {
        m_stop.Signal();
        m_thread.join();
    }
    double WireSeconds() const { return static_cast<double>(m_lastAck - m_firstSend) / 1e6; }
    int Sends() const { return m_sends; }
    int Acks() const { return m_acks; }
    std::uint64_t Dropped() const { return m_endpoint->DroppedFrames(); }
    bool WaitFirstSend(std::chrono::seconds timeout) const {
        const auto deadline = Clock::now() + timeout;
        while (m_sends == 0 && Clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return m_sends > 0;
    }

private:
    void Run() {
        while (!m_stop.Signalled()) {
            LinkFrame frame;
            std::int64_t stamp = 0;
            if (m_endpoint->Receive(frame, nullptr, &stamp) != ReceiveResult::Frame) {
                WaitReadable(m_endpoint->SelectableFd(), m_stop.Fd(), nullptr);
                continue;
            }
            if (frame.op_code.get() == m_firstOp) {
                if (m_sends++ == 0)
                    m_firstSend = stamp;
            } else {
                ++m_acks;
                m_lastAck = std::max<std::int64_t>(m_lastAck, stamp);
            }
        }
    }

    std::uint16_t m_firstOp;
    std::unique_ptr<CLinkEndpoint> m_endpoint;
    CWakeupFd m_stop;
    std::thread m_thread;
    std::atomic<int> m_sends{0};
    std::atomic<int> m_acks{0};
    std::atomic<std::int64_t> m_firstSend{0};
    std::atomic<std::int64_t> m_lastAck{0};
};

// lumicord-devsim with `count` devices and `extra` arguments, once it has opened its end.
pid_t StartDevsim(CVethSegment& segment, const Paths& paths, int count,
                  const std::vector<std::string>& extra) {
    const std::string log = (paths.dir / "devsim.txt").string();
    std::vector<std::string> argv = {paths.devsim, "-i", CVethSegment::DeviceInterface(), "-n",
                                     std::to_string(count)};
    argv.insert(argv.end(), extra.begin(), extra.end());
    const pid_t pid = segment.Spawn(argv, log);
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    while (CountLines(log, "devices on") == 0 && Clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    return pid;
}

// Stops the simulator and prints its totals line; returns the CPU it used.
double StopDevsim(CVethSegment& segment, const Paths& paths, pid_t devsim) {
    const double before = ChildrenCpu();
    segment.Stop(devsim);
    const double cpu = ChildrenCpu() - before;
    std::ifstream in(paths.dir / "devsim.txt");
    std::string line, totals;
    while (std::getline(in, line))
        if (line.rfind("lumicord-devsim: ", 0) == 0 &&
            line.find("transfers done") != std::string::npos)
            totals = line;
    std::printf("  %s\n", totals.c_str());
    return cpu;
}

std::vector<std::string> SendArgs(const Paths& paths, const std::vector<std::string>& what) {
    std::vector<std::string> argv = {paths.cli, "send", "-i", CVethSegment::AppInterface()};
    argv.insert(argv.end(), what.begin(), what.end());
    argv.push_back("--all");
    return argv;
}

struct BatchFigures {
    double wire = 0;
    double cpuPerChunkUs = 0;
    double rssMiB = 0;
};

BatchFigures Batch(CVethSegment& segment, const Paths& paths, int devices) {
    BatchFigures figures;
    const std::string config = (paths.dir / "config.xml").string();
    std::ofstream(config, std::ios::binary) << std::string(kChunks * 1024, 'c');
    const std::string out = (paths.dir / "cli.txt").string();
    const pid_t devsim = StartDevsim(segment, paths, devices, {});

    // The scan alone, to tell its CPU from the transfers'.
    auto started = Clock::now();
    const ChildUsage scan =
        WaitChild(ForkExec({paths.cli, "scan", "-i", CVethSegment::AppInterface()}, out), started);
    const int found = CountLines(out, "Lumicord-");

    CWireMonitor monitor(MsgConfigFile, OpConfigChunk);
    started = Clock::now();
    const ChildUsage send =
        WaitChild(ForkExec(SendArgs(paths, {"--config", config}), out), started);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    const double devsimCpu = StopDevsim(segment, paths, devsim);
    const int succeeded = CountLines(out, "result: success");
    figures.wire = monitor.WireSeconds();
    figures.cpuPerChunkUs = (send.cpu - scan.cpu) / (devices * kChunks) * 1e6;
    figures.rssMiB = static_cast<double>(send.maxRssKiB) / 1024.0;
    std::printf("batch %4d devices: %.3f s on the wire, %d/%d succeeded (exit %d), %d found by "
                "scan\n"
                "  lumicord-cli: CPU %.2f s (scan alone %.2f s), %.1f us per chunk, peak RSS "
                "%.1f MiB; simulator CPU %.2f s\n"
                "  acknowledgements seen %d of %d (monitor drops %llu)\n",
                devices, figures.wire, succeeded, devices, send.exitCode, found, send.cpu, scan.cpu,
                figures.cpuPerChunkUs, figures.rssMiB, devsimCpu, monitor.Acks(), devices * kChunks,
                static_cast<unsigned long long>(monitor.Dropped()));
    if (succeeded != devices)
        PrintFailures(out);
    std::fflush(stdout);
    return figures;
}

void Silent(CVethSegment& segment, const Paths& paths, int devices) {
    const std::string out = (paths.dir / "cli.txt").string();
    const pid_t devsim = StartDevsim(segment, paths, devices, {"--fault", "no-ack"});
    CWireMonitor monitor(MsgAntiTheft, OpAntiTheftCommand);
    const auto started = Clock::now();
    const pid_t cli = ForkExec(SendArgs(paths, {"--command", kCommand}), out);
    // The scan takes a few seconds; the waiting starts with the first command on the wire.
    if (!monitor.WaitFirstSend(std::chrono::seconds(60))) {
        std::printf("silent: no command went out\n");
        kill(cli, SIGKILL);
        WaitChild(cli, started);
        StopDevsim(segment, paths, devsim);
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(500)); // every transfer under way
    const double cpuBefore = ProcessCpu(cli);
    const double mainBefore = ProcessCpu(cli, true);
    const auto waitStart = Clock::now();
    std::this_thread::sleep_for(std::chrono::milliseconds(3000));
    const double waitCpu = ProcessCpu(cli) - cpuBefore;
    // The main thread reads every device's result from the store once a second, as the
    // devices page does; the rest is the link.
    const double linkCpu = waitCpu - (ProcessCpu(cli, true) - mainBefore);
    const double waitWall = std::chrono::duration<double>(Clock::now() - waitStart).count();
    const ChildUsage usage = WaitChild(cli, started);
    StopDevsim(segment, paths, devsim);
    std::printf("silent %d devices: while all wait %.1f %% of one core, %.1f %% without the "
                "main thread's store polling; %d commands sent (%.2f per device), %d marked "
                "Transmit fail (exit %d), peak RSS %.1f MiB\n",
                devices, 100.0 * waitCpu / waitWall, 100.0 * linkCpu / waitWall, monitor.Sends(),
                static_cast<double>(monitor.Sends()) / devices, CountLines(out, "Transmit fail"),
                usage.exitCode, static_cast<double>(usage.maxRssKiB) / 1024.0);
    std::fflush(stdout);
}

void AntiTheft(CVethSegment& segment, const Paths& paths, int devices) {
    const std::string out = (paths.dir / "cli.txt").string();
    const pid_t devsim = StartDevsim(segment, paths, devices, {});
    CWireMonitor monitor(MsgAntiTheft, OpAntiTheftCommand);
    const auto started = Clock::now();
    const ChildUsage usage =
        WaitChild(ForkExec(SendArgs(paths, {"--command", kCommand}), out), started);
    StopDevsim(segment, paths, devsim);
    std::printf("anti-theft %d devices at once: %d succeeded (exit %d), %.3f s on the wire, "
                "peak RSS %.1f MiB\n",
                devices, CountLines(out, "result: success"), usage.exitCode, monitor.WireSeconds(),
                static_cast<double>(usage.maxRssKiB) / 1024.0);
    std::fflush(stdout);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    Paths paths;
    int repeat = 1;
    rlim_t openFiles = 1024;
    std::string only;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--cli" && i + 1 < argc)
            paths.cli = argv[++i];
        else if (arg == "--devsim" && i + 1 < argc)
            paths.devsim = argv[++i];
        else if (arg == "--repeat" && i + 1 < argc)
            repeat = std::max(1, std::atoi(argv[++i]));
        else if (arg == "--open-files" && i + 1 < argc)
            openFiles = static_cast<rlim_t>(std::max(64, std::atoi(argv[++i])));
        else
            only = arg;
    }
    // The tool starts with the soft limit of a login shell, 1024 open files, unless told.
    rlimit files{};
    getrlimit(RLIMIT_NOFILE, &files);
    files.rlim_cur = std::min(files.rlim_max, openFiles);
    setrlimit(RLIMIT_NOFILE, &files);
    std::string whyNot;
    auto segment = CVethSegment::Create(whyNot);
    if (!segment) {
        std::printf("no veth segment: %s\n", whyNot.c_str());
        return 1;
    }
    paths.dir = std::filesystem::temp_directory_path() / ("lumicord-scale-" + segment->Namespace());
    std::filesystem::create_directories(paths.dir);
    std::printf("lumicord-cli %s\nlumicord-devsim %s\nopen files at start %llu\n",
                paths.cli.c_str(), paths.devsim.c_str(),
                static_cast<unsigned long long>(files.rlim_cur));

    // A first run of the tool pays for loading it; no figure below should.
    WaitChild(ForkExec({paths.cli, "adapters"}, (paths.dir / "cli.txt").string()), Clock::now());

    if (only.empty() || only == "batch") {
        std::vector<double> wire100, wire1000, cpu100, cpu1000, rss1000;
        for (int run = 0; run < repeat; ++run) {
            const BatchFigures small = Batch(*segment, paths, 100);
            const BatchFigures large = Batch(*segment, paths, 1000);
            wire100.push_back(small.wire);
            wire1000.push_back(large.wire);
            cpu100.push_back(small.cpuPerChunkUs);
            cpu1000.push_back(large.cpuPerChunkUs);
            rss1000.push_back(large.rssMiB);
            std::printf("  run %d: t(1000)/t(100) = %.1f\n", run + 1, large.wire / small.wire);
        }
        const auto range = [](const std::vector<double>& v) {
            return std::make_pair(*std::min_element(v.begin(), v.end()),
                                  *std::max_element(v.begin(), v.end()));
        };
        std::printf("batch over %d runs, median [min..max]:\n"
                    "  100 devices  %.3f s [%.3f..%.3f], %.1f us CPU per chunk\n"
                    "  1000 devices %.3f s [%.3f..%.3f], %.1f us CPU per chunk, peak RSS %.1f "
                    "MiB [%.1f..%.1f]\n"
                    "  t(1000)/t(100) = %.1f\n",
                    repeat, Median(wire100), range(wire100).first, range(wire100).second,
                    Median(cpu100), Median(wire1000), range(wire1000).first, range(wire1000).second,
                    Median(cpu1000), Median(rss1000), range(rss1000).first, range(rss1000).second,
                    Median(wire1000) / Median(wire100));
    }
    if (only.empty() || only == "silent")
        for (int run = 0; run < repeat; ++run)
            Silent(*segment, paths, 1000);
    if (only.empty() || only == "antitheft")
        for (int run = 0; run < repeat; ++run)
            AntiTheft(*segment, paths, 1000);
    std::error_code error;
    std::filesystem::remove_all(paths.dir, error);
    return 0;
}
