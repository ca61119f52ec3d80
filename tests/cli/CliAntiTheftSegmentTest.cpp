// lumicord-cli anti-theft on the veth segment against lumicord-devsim devices that hold lock
// codes: the statuses each device ends with, the command they received and the result logs.
#include <gtest/gtest.h>

#include <cstdio>

#include "CliRunner.h"
#include "ManagerSegment.h"
#include "ShellRun.h"
#include "platform/LocalClock.h"

using namespace lumicord;
using namespace lumicord::cli;
using namespace lumicord::testing;
using namespace std::chrono_literals;

namespace {

std::string Line(int device, const char* antiTheft, const char* result) {
    return ManagerSegment::DeviceMacText(device) +
           "\tconfig: Wait operate\tlogo: Wait operate\tanti-theft: " + antiTheft +
           "\tresult: " + result + "\n";
}

} // namespace

class CliAntiTheftSegment : public ManagerSegment {};

TEST_F(CliAntiTheftSegment, MatchingLockCodesSucceedAndOthersAreRefused) {
    StartSimulator({"-n", "3", "--lock-code", "Site-7@1-2", "--lock-code", "other@3"});
    ASSERT_TRUE(DiscoverAll(3));
    CliOptions options;
    std::vector<std::string> errors;
    ASSERT_TRUE(ParseCliArguments({"anti-theft", "-i", CVethSegment::AppInterface(), "--lock-code",
                                   "Site-7", "--confirm", "Site-7", "--ac-name", "AC 1", "--dns1",
                                   "8.8.4.4", "--all"},
                                  options, errors));
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    const int code = RunCli(options, *m_manager, *m_store, out, err, CliTimings{100ms});
    const std::string outText = ReadBackAndClose(out);
    EXPECT_EQ(code, ExitSomeFailed) << outText << ReadBackAndClose(err);
    EXPECT_EQ(outText, Line(1, "Operate success", "success") +
                           Line(2, "Operate success", "success") +
                           Line(3, "Lockcode mismatch", "failed"));

    const std::string sent = ReadWholeFile(OutDir() / "02-00-00-00-00-01.antitheft");
    EXPECT_EQ(sent.substr(0, sent.find('\0')),
              R"({"Lockcode":"Site-7","Enable":"1","ACName":"AC 1","DNS1":"8.8.4.4",)"
              R"("DNS2":"0.0.0.0"})");
    const std::string success = ReadWholeFile(LogDir() / TodayFolder() / "Success.txt");
    const std::string fail = ReadWholeFile(LogDir() / TodayFolder() / "Fail.txt");
    EXPECT_EQ(CountOccurrences(success, "\tJSON_CMD_DATA\t"), 2) << success;
    EXPECT_EQ(CountOccurrences(success, DeviceMacText(1) + "\tJSON_CMD_DATA\t"), 1);
    EXPECT_EQ(CountOccurrences(success, DeviceMacText(2) + "\tJSON_CMD_DATA\t"), 1);
    EXPECT_EQ(CountOccurrences(fail, DeviceMacText(3) + "\tJSON_CMD_DATA\t"), 1) << fail;

    // With protection off only the lock code counts; device 3 takes its own code.
    ASSERT_TRUE(ParseCliArguments({"anti-theft", "-i", CVethSegment::AppInterface(), "--lock-code",
                                   "other", "--disable", DeviceMacText(3)},
                                  options, errors));
    out = std::tmpfile();
    err = std::tmpfile();
    EXPECT_EQ(RunCli(options, *m_manager, *m_store, out, err, CliTimings{100ms}), ExitOk);
    EXPECT_EQ(ReadBackAndClose(out), Line(3, "Operate success", "success"));
}
