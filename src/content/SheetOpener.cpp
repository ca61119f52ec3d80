#include "content/SheetOpener.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

extern char** environ;

namespace lumicord {
namespace {

constexpr const char* kOpenFailed = "Open excel fail!";
constexpr const char* kXlsMimeType = "application/vnd.ms-excel";

// Runs `args` and waits for it; its standard output when `output` is given.
bool Run(const std::vector<std::string>& args, std::string* output) {
    std::vector<char*> argv;
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    int pipeFds[2] = {-1, -1};
    if (output != nullptr && pipe2(pipeFds, O_CLOEXEC) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (output != nullptr)
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    pid_t child = -1;
    const int spawned = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (output != nullptr) {
        close(pipeFds[1]);
        if (spawned == 0) {
            char buffer[4096];
            ssize_t got = 0;
            while ((got = read(pipeFds[0], buffer, sizeof buffer)) > 0 ||
                   (got < 0 && errno == EINTR))
                if (got > 0 && output->size() < 65536)
                    output->append(buffer, static_cast<std::size_t>(got));
        }
        close(pipeFds[0]);
    }
    if (spawned != 0)
        return false;
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::string Trim(std::string text) {
    const auto blank = [](char c) {
        return c == ' ' || c == '\t' || c == '\r' || c == '\n';
    };
    while (!text.empty() && blank(text.back()))
        text.pop_back();
    std::size_t start = 0;
    while (start < text.size() && blank(text[start]))
        ++start;
    return text.substr(start);
}

// The desktop entry `name` in the XDG data directories.
std::string FindDesktopEntry(const std::string& name) {
    std::vector<std::string> dirs;
    const char* home = std::getenv("XDG_DATA_HOME");
    if (home != nullptr && *home != '\0')
        dirs.push_back(home);
    else if (const char* user = std::getenv("HOME"))
        dirs.push_back(std::string(user) + "/.local/share");
    const char* data = std::getenv("XDG_DATA_DIRS");
    std::stringstream list(data != nullptr && *data != '\0' ? data : "/usr/local/share:/usr/share");
    for (std::string dir; std::getline(list, dir, ':');)
        if (!dir.empty())
            dirs.push_back(dir);
    for (const std::string& dir : dirs) {
        const std::string path = dir + "/applications/" + name;
        if (std::filesystem::is_regular_file(path))
            return path;
    }
    return {};
}

std::string ExecOfEntry(const std::string& entryPath) {
    std::ifstream file(entryPath);
    bool inEntry = false;
    for (std::string line; std::getline(file, line);) {
        line = Trim(line);
        if (!line.empty() && line[0] == '[')
            inEntry = line == "[Desktop Entry]";
        else if (inEntry && line.rfind("Exec=", 0) == 0)
            return line.substr(5);
    }
    return {};
}

} // namespace

std::vector<std::string> DesktopExecArguments(const std::string& exec, const std::string& path) {
    std::vector<std::string> args;
    std::string current;
    bool inArgument = false, quoted = false, placed = false;
    for (std::size_t i = 0; i < exec.size(); ++i) {
        const char c = exec[i];
        if (quoted && c == '\\' && i + 1 < exec.size()) {
            current += exec[++i];
        } else if (c == '"') {
            quoted = !quoted;
            inArgument = true;
        } else if (!quoted && (c == ' ' || c == '\t')) {
            if (inArgument)
                args.push_back(current);
            current.clear();
            inArgument = false;
        } else if (c == '%' && i + 1 < exec.size()) {
            const char code = exec[++i];
            // Field codes other than the file ones (%i, %c, %k, ...) expand to nothing.
            if (code == '%') {
                current += '%';
                inArgument = true;
            } else if (code == 'f' || code == 'F' || code == 'u' || code == 'U') {
                current += path;
                placed = true;
                inArgument = true;
            }
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (inArgument && !current.empty())
        args.push_back(current);
    if (!placed && !args.empty())
        args.push_back(path);
    return args;
}

void WaitForLockFileGone(const std::string& lockPath, std::chrono::milliseconds appears) {
    namespace fs = std::filesystem;
    const std::string dir = fs::path(lockPath).parent_path().string();
    const int watch = inotify_init1(IN_CLOEXEC);
    if (watch < 0)
        return;
    if (inotify_add_watch(watch, dir.empty() ? "." : dir.c_str(),
                          IN_CREATE | IN_MOVED_TO | IN_DELETE | IN_MOVED_FROM | IN_DELETE_SELF) <
        0) {
        close(watch);
        return;
    }
    const auto deadline = std::chrono::steady_clock::now() + appears;
    bool seen = false;
    for (;;) {
        std::error_code error;
        const bool exists = fs::exists(lockPath, error);
        seen = seen || exists;
        if (!exists && seen)
            break;
        int timeout = -1;
        if (!seen) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0)
                break;
            timeout = static_cast<int>(left.count());
        }
        pollfd fd{watch, POLLIN, 0};
        const int ready = poll(&fd, 1, timeout);
        if (ready < 0 && errno != EINTR)
            break;
        if (ready > 0) {
            char events[4096];
            if (read(watch, events, sizeof events) < 0 && errno != EINTR && errno != EAGAIN)
                break;
        }
    }
    close(watch);
}

bool OpenWithDesktopApplication(const std::string& path, std::string& note,
                                const DesktopOpenerTimings& timings) {
    std::string desktopName;
    if (!Run({"xdg-mime", "query", "default", kXlsMimeType}, &desktopName) ||
        Trim(desktopName).empty()) {
        note = kOpenFailed;
        return false;
    }
    const std::string entry = FindDesktopEntry(Trim(desktopName));
    const std::vector<std::string> args =
        entry.empty() ? std::vector<std::string>{} : DesktopExecArguments(ExecOfEntry(entry), path);
    if (args.empty()) {
        note = kOpenFailed;
        return false;
    }
    const auto started = std::chrono::steady_clock::now();
    std::vector<char*> argv;
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    pid_t child = -1;
    if (posix_spawnp(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        note = kOpenFailed;
        return false;
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    const std::filesystem::path sheet(path);
    const std::string lock =
        (sheet.parent_path() / (".~lock." + sheet.filename().string() + "#")).string();
    const bool quick = std::chrono::steady_clock::now() - started < timings.quickExit;
    WaitForLockFileGone(lock, quick ? timings.lockAppears : std::chrono::milliseconds(0));
    return true;
}

bool OpenDeviceSheet(const std::string& sheetPath, const SheetOpener& opener, std::string& note) {
    std::string own;
    if (opener && opener(sheetPath, own))
        return true;
    note = own.empty() ? "Unable to open excel file!" : own + "\nUnable to open excel file!";
    return false;
}

} // namespace lumicord
