#include "VethSegment.h"

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <sched.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace lumicord::testing {
namespace {

const char* const kPrefix = "lumicord-test-";

std::vector<char*> ArgvOf(const std::vector<std::string>& argv) {
    std::vector<char*> args;
    for (const std::string& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    return args;
}

pid_t ForkExec(const std::vector<std::string>& argv, int netnsFd, const std::string& outputPath) {
    std::vector<char*> args = ArgvOf(argv);
    const int out = outputPath.empty()
                        ? open("/dev/null", O_WRONLY | O_CLOEXEC)
                        : open(outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const pid_t pid = fork();
    if (pid == 0) {
        // Only async-signal-safe calls between fork and exec. A child outlives no test run.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (netnsFd >= 0 && setns(netnsFd, CLONE_NEWNET) != 0)
            _exit(126);
        if (out >= 0) {
            dup2(out, STDOUT_FILENO);
            dup2(out, STDERR_FILENO);
        }
        execvp(args[0], args.data());
        _exit(127);
    }
    if (out >= 0)
        close(out);
    return pid;
}

int WaitStatus(pid_t pid) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Namespaces left behind by test processes that died before their teardown.
void RemoveStaleNamespaces() {
    DIR* dir = opendir("/run/netns");
    if (dir == nullptr)
        return;
    std::vector<std::string> stale;
    while (dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.rfind(kPrefix, 0) != 0)
            continue;
        const pid_t owner = static_cast<pid_t>(std::atol(name.c_str() + std::strlen(kPrefix)));
        if (owner > 0 && kill(owner, 0) != 0 && errno == ESRCH)
            stale.push_back(name);
    }
    closedir(dir);
    for (const std::string& name : stale)
        RunCommand({"ip", "netns", "del", name});
}

} // namespace

bool RunCommand(const std::vector<std::string>& argv) {
    const pid_t pid = ForkExec(argv, -1, "");
    return pid > 0 && WaitStatus(pid) == 0;
}

std::unique_ptr<CVethSegment> CVethSegment::Create(std::string& whyNot) {
    if (geteuid() != 0) {
        whyNot = "needs root to create a network namespace";
        return nullptr;
    }
    RemoveStaleNamespaces();
    static std::atomic<int> serial{0};
    const std::string name = kPrefix + std::to_string(getpid()) + "-" + std::to_string(serial++);
    if (!RunCommand({"ip", "netns", "add", name})) {
        whyNot = "'ip netns add " + name + "' failed: network namespaces are not available here";
        return nullptr;
    }
    const int originalNs = open("/proc/thread-self/ns/net", O_RDONLY | O_CLOEXEC);
    // From here on the destructor removes the namespace whatever fails.
    std::unique_ptr<CVethSegment> segment(new CVethSegment(name, originalNs));
    const std::string app = AppInterface();
    const std::string dev = DeviceInterface();
    const bool made =
        RunCommand({"ip", "-n", name, "link", "add", app, "type", "veth", "peer", "name", dev}) &&
        RunCommand({"ip", "-n", name, "link", "set", app, "address", MacTextLower(AppMac())}) &&
        RunCommand({"ip", "-n", name, "link", "set", dev, "address", MacTextLower(DeviceMac())}) &&
        RunCommand({"ip", "-n", name, "link", "set", app, "up"}) &&
        RunCommand({"ip", "-n", name, "link", "set", dev, "up"});
    if (!made) {
        whyNot = "could not make the veth pair in namespace " + name;
        return nullptr;
    }
    const int nsFd = open(("/run/netns/" + name).c_str(), O_RDONLY | O_CLOEXEC);
    const bool entered = originalNs >= 0 && nsFd >= 0 && setns(nsFd, CLONE_NEWNET) == 0;
    if (nsFd >= 0)
        close(nsFd);
    if (!entered) {
        whyNot = "could not enter namespace " + name;
        return nullptr;
    }
    return segment;
}

CVethSegment::CVethSegment(std::string name, int originalNs)
    : m_namespace(std::move(name)), m_originalNs(originalNs) {}

CVethSegment::~CVethSegment() {
    while (!m_children.empty())
        Stop(m_children.back(), 2000);
    if (m_originalNs >= 0) {
        setns(m_originalNs, CLONE_NEWNET);
        close(m_originalNs);
    }
    RunCommand({"ip", "netns", "del", m_namespace});
}

pid_t CVethSegment::Spawn(const std::vector<std::string>& argv, const std::string& outputPath) {
    const int nsFd = open(("/run/netns/" + m_namespace).c_str(), O_RDONLY | O_CLOEXEC);
    if (nsFd < 0)
        return -1;
    const pid_t pid = ForkExec(argv, nsFd, outputPath);
    close(nsFd);
    if (pid > 0)
        m_children.push_back(pid);
    return pid;
}

int CVethSegment::Stop(pid_t child, int graceMs) {
    std::erase(m_children, child);
    // A pidfd becomes readable when the child ends, so the grace period is one poll.
    const int pidFd = static_cast<int>(syscall(SYS_pidfd_open, child, 0));
    kill(child, SIGTERM);
    pollfd fd = {pidFd, POLLIN, 0};
    if (pidFd < 0 || poll(&fd, 1, graceMs) <= 0)
        kill(child, SIGKILL);
    if (pidFd >= 0)
        close(pidFd);
    return WaitStatus(child);
}

} // namespace lumicord::testing
