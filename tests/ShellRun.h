// Running a shell command from a test, and reading back what a stream collected.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>

struct ShellRun {
    int status = -1; // the exit status, -1 when the command did not exit normally
    std::string output;
};

// Runs `command` through the shell with its standard error joined to its output.
inline ShellRun RunShell(const std::string& command) {
    ShellRun run;
    std::FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr)
        return run;
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        run.output.append(buffer, got);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// Everything written to `file` (a tmpfile), which is closed.
inline std::string ReadBackAndClose(std::FILE* file) {
    std::rewind(file);
    std::string text;
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        text.append(buffer, got);
    std::fclose(file);
    return text;
}
