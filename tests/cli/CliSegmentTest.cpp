// lumicord-cli's scan and send over the veth segment against lumicord-devsim, with the pages'
// timers shortened; and the tool as a process: help, bad usage, a running copy.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>

#include "CliRunner.h"
#include "ManagerSegment.h"
#include "ShellRun.h"
#include "app/CApplicationApp.h"
#include "content/XlsBook.h"
#include "platform/ProgramDirectory.h"
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

int CountLines(const std::string& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

// Runs the tool as a process; its status and what it wrote.
ToolRun RunTool(const std::string& args) {
    const ShellRun run = RunShell(std::string(LUMICORD_CLI_PATH) + " " + args);
    return {run.status, run.output, ""};
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
        return {code, ReadBackAndClose(out), ReadBackAndClose(err)};
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

// sheet after a scan: the wireless columns carry what each device reported.
TEST_F(CliSegment, SheetCarriesWhatEachDeviceReported) {
    StartSimulator({"-n", "2", "--ssid2", "lab-{n}"});
    ASSERT_TRUE(DiscoverAll(2));
    // The tool takes the template from its program directory: here, the tests' folder.
    const std::string templatePath = ProgramDirectory() + "ExcelTemplate/Template.xls";
    std::filesystem::create_directories(ProgramDirectory() + "ExcelTemplate");
    XlsBook empty;
    empty.AddSheet(u"Sheet1");
    ASSERT_TRUE(empty.Save(templatePath));

    const std::string sheet = (m_dir / "devices.xls").string();
    const ToolRun run = Cli({"sheet", "-i", CVethSegment::AppInterface(), "--config",
                             std::string(LUMICORD_CONTENT_DATA) + "/two-radios.json", "--out",
                             sheet, DeviceMacText(2), DeviceMacText(1)});
    ASSERT_EQ(run.code, ExitOk) << run.out << run.err;
    EXPECT_EQ(run.out, "wrote " + sheet + " (2 devices, wireless columns on)\n");
    XlsBook book;
    ASSERT_TRUE(book.Load(sheet));
    const XlsSheet& cells = *book.GetSheet(0);
    // mac, three WAN groups (vid and PPPoE for the first and third), then the wireless columns.
    const std::uint32_t ssid5 = 1 + 4 + 1 + 4;
    ASSERT_EQ(cells.ReadStr(0, ssid5), u"ssid_5g");
    const std::u16string expected[] = {u"Lumicord-0002-5G", u"key5-0002", u"lab-0002",
                                       u"key24-0002"};
    for (std::uint32_t i = 0; i < 4; ++i)
        EXPECT_EQ(cells.ReadStr(1, ssid5 + i), expected[i]);
    EXPECT_EQ(cells.ReadStr(2, ssid5 + 2), u"lab-0001");
}
