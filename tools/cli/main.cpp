// lumicord-cli: the program's link for scripts and production lines. It holds the desktop
// program's single-instance lock, because the store it opens replaces data.mdb.
#include <cstdio>
#include <string>
#include <vector>

#include "CliArguments.h"
#include "CliRunner.h"
#include "app/CApplicationApp.h"
#include "link/AcTransmitManage.h"
#include "platform/ProgramDirectory.h"
#include "platform/SingleInstanceLock.h"
#include "records/CSqlManagement.h"
#include "records/ResultLog.h"

using namespace lumicord;
using namespace lumicord::cli;

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    CliOptions options;
    std::vector<std::string> errors;
    if (!ParseCliArguments(args, options, errors)) {
        for (const std::string& line : errors)
            std::fprintf(stderr, "lumicord-cli: %s\n", line.c_str());
        std::fprintf(stderr, "Try 'lumicord-cli --help'.\n");
        return ExitUsage;
    }
    if (options.help) {
        std::fputs(CliUsage(options.command).c_str(), stdout);
        return ExitOk;
    }
    CSingleInstanceLock lock(kInstanceMutexName);
    if (!lock.Acquired()) {
        std::fprintf(stderr,
                     "lumicord-cli: another copy of Lumicord (the desktop program or this tool) "
                     "is running; it owns %sdata.mdb\n",
                     ProgramDirectory().c_str());
        return ExitInstanceRunning;
    }
    int exitCode = ExitOk;
    {
        CSqlManagement store(ProgramDirectory() + "data.mdb");
        CResultLog resultLog(ProgramDirectory() + "Log/");
        AcTransmitManage manager(store, resultLog);
        exitCode = RunCli(options, manager, store, stdout, stderr);
        // Transfers end before the manager's threads, and both before the store goes.
        manager.StopTransfers(std::chrono::seconds(2));
        manager.StopThreads();
    }
    return exitCode;
}
