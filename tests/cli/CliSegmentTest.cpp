// lumicord-cli's scan and send over the veth segment against lumicord-devsim, with the pages'
// timers shortened; and the tool as a process: help, bad usage, a running copy.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>

#include "CliRunner.h"
#include "ManagerSegment.h"
#include "app/CApplicationApp.h"
#include "platform/SingleInstanceLock.h"

using namespace lumicord;
using namespace lumicord::cli;
using namespace lumicord::testing;
using namespace std::chrono_literals;

namespace {

struct ToolRun {
    int code;
    std::string out;
    std::string err;
};

std::string ReadStream(std::FILE* file) {
    std::rewind(file);
    std::string text;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        text.append(buffer, n);
    std::fclose(file);
    return text;
}

int CountLines(const std::string& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

// Runs the tool as a process; its status and what it wrote.
ToolRun RunTool(const std::string& args) {
    const std::string command = std::string(LUMICORD_CLI_PATH) + " " + args + " 2>&1";
    std::FILE* pipe = popen(command.c_str(), "r");
    std::string text;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        text.append(buffer, n);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text, ""};
}

} // namespace

class CliSegment : public ManagerSegment {
protected:
    ToolRun Cli(const std::vector<std::string>& args) {
        CliOptions options;
        std::vector<std::string> errors;
        EXPECT_TRUE(ParseCliArguments(args, options, errors));
        std::FILE* out = std::tmpfile();
        std::FILE* err = std::tmpfile();
        const int code = RunCli(options, *m_manager, *m_store, out, err, CliTimings{100ms});
        return {code, ReadStream(out), ReadStream(err)};
    }
};

TEST_F(CliSegment, ScanPrintsEveryDevice) {
    StartSimulator({"-n", "5", "--ssid2", "tool-{n}"});
    ASSERT_TRUE(DiscoverAll(5)); // the simulator is up
    ToolRun run = Cli({"scan", "-i", CVethSegment::AppInterface()});
    EXPECT_EQ(run.code, ExitOk);
    EXPECT_EQ(CountLines(run.out), 5);
    EXPECT_NE(
        run.out.find(DeviceMacText(3) + "\ttool-0003\tLumicord-0003-5G\tkey24-0003\tkey5-0003\n"),
        std::string::npos)
        << run.out;

    run = Cli({"scan", "-i", CVethSegment::AppInterface(), "--json"});
    EXPECT_EQ(run.code, ExitOk);
    EXPECT_EQ(run.out.front(), '[');
    EXPECT_NE(run.out.find("{\"mac\": \"" + DeviceMacText(5) + "\", \"ssid2\": \"tool-0005\""),
              std::string::npos)
        << run.out;

    run = Cli({"scan", "-i", "no-such-adapter"});
    EXPECT_EQ(run.code, ExitAdapter);
    EXPECT_EQ(run.err, "no adapter named no-such-adapter (see `lumicord-cli adapters`)\n");
}

TEST_F(CliSegment, SendReportsEveryDeviceAndFailsWhenOneDid) {
    StartSimulator({"-n", "3", "--outcome", "failed@2"});
    ASSERT_TRUE(DiscoverAll(3));
    const std::string config = (m_dir / "c.xml").string();
    WriteWholeFile(config, PatternBytes(3000, 9));

    ToolRun run = Cli({"send", "-i", CVethSegment::AppInterface(), "--config", config, "--all"});
    EXPECT_EQ(run.code, ExitSomeFailed) << run.out << run.err;
    EXPECT_EQ(CountLines(run.out), 3);
    EXPECT_NE(run.out.find(DeviceMacText(1) +
                           "\tconfig: Operate success\tlogo: Wait "
                           "operate\tanti-theft: Wait operate\tresult: success\n"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find(DeviceMacText(2) +
                           "\tconfig: Operate fail\tlogo: Wait operate\tanti-theft: Wait operate\t"
                           "result: failed\n"),
              std::string::npos)
        << run.out;

    const std::string third = DeviceMacText(3);
    run = Cli(
        {"send", "-i", CVethSegment::AppInterface(), "--config", config, "--logo", config, third});
    EXPECT_EQ(run.code, ExitOk) << run.out << run.err;
    EXPECT_EQ(run.out,
              third + "\tconfig: Operate success\tlogo: Operate success\tanti-theft: Wait operate"
                      "\tresult: success\n");

    run =
        Cli({"send", "-i", CVethSegment::AppInterface(), "--config", config, "02:00:00:00:0f:0f"});
    EXPECT_EQ(run.code, ExitSomeFailed);
    EXPECT_EQ(run.err, "02:00:00:00:0F:0F: not found on the segment\nno device to send to\n");
}

TEST(CliProcess, HelpUsageAndARunningCopy) {
    ToolRun run = RunTool("send --help");
    EXPECT_EQ(run.code, ExitOk);
    EXPECT_EQ(run.out, CliUsage(CliCommand::Send));

    run = RunTool("send -i eth9 --bogus");
    EXPECT_EQ(run.code, ExitUsage);
    EXPECT_NE(run.out.find("lumicord-cli: unknown option: --bogus\n"), std::string::npos);

    CSingleInstanceLock desktop(kInstanceMutexName);
    if (!desktop.Acquired())
        GTEST_SKIP() << "another Lumicord holds the single-instance lock";
    run = RunTool("adapters");
    EXPECT_EQ(run.code, ExitInstanceRunning);
    EXPECT_NE(run.out.find("another copy of Lumicord"), std::string::npos) << run.out;
}
