// lumicord-cli anti-theft without a link: its command line, the fields it makes (over a
// template), and that a refused field ends with the page's message before anything is sent.
#include <gtest/gtest.h>

#include <cstdio>

#include "CliArguments.h"
#include "CliRunner.h"
#include "ShellRun.h"
#include "TempFolder.h"
#include "content/AntiTheftCommand.h"
#include "content/AntiTheftFields.h"
#include "link/AcTransmitManage.h"
#include "records/CSqlManagement.h"
#include "records/ResultLog.h"

using namespace lumicord;
using namespace lumicord::cli;

namespace {

const std::string kMac = "02:00:00:00:00:01";

std::vector<std::string> Args(std::vector<std::string> options) {
    std::vector<std::string> args = {"anti-theft", "-i", "no-such-adapter"};
    args.insert(args.end(), options.begin(), options.end());
    return args;
}

} // namespace

TEST(CliAntiTheft, CommandLines) {
    struct Case {
        std::vector<std::string> options;
        std::vector<std::string> errors;
    };
    const Case cases[] = {
        {{"--lock-code", "k", "--disable", kMac}, {}},
        {{"--lock-code", "k", "--confirm", "k", "--ac-name", "a", "--dns1", "::1", "--all"}, {}},
        {{"--all"}, {"anti-theft needs --lock-code CODE"}},
        {{"--lock-code", "k"}, {"anti-theft needs MAC addresses or --all, not both"}},
        {{"--lock-code", "k", "--all", kMac},
         {"anti-theft needs MAC addresses or --all, not both"}},
        {{"--lock-code", "k", "--disable", "--dns2", "1.1.1.1", "--all"},
         {"--disable cannot be combined with --ac-name, --dns1 or --dns2"}},
        {{"--lock-code", std::string(33, 'k'), "--dns1", "1234:5678:9abc::1", "--all"},
         {"--lock-code takes at most 32 characters", "--dns1 takes at most 15 characters"}},
        // 32 characters of three bytes each still fit the edit.
        {{"--lock-code",
          [] {
              std::string code;
              for (int n = 0; n < 32; ++n)
                  code += "\xE9\x94\x81";
              return code;
          }(),
          "--all"},
         {}},
        {{"--lock-code", "k", "--all", "--template"}, {"option --template needs a value"}},
    };
    for (const Case& c : cases) {
        CliOptions options;
        std::vector<std::string> errors;
        EXPECT_EQ(ParseCliArguments(Args(c.options), options, errors), c.errors.empty());
        EXPECT_EQ(errors, c.errors) << c.options[0];
    }
}

TEST(CliAntiTheft, FieldsFromOptionsOverATemplate) {
    TempFolder folder;
    const std::string file = folder.Write("Config.ini", "[On]\r\nACName=site ac\r\n"
                                                        "PrimaryDns=e.g. 8.8.8.8\r\n"
                                                        "SecondaryDns=9.9.9.9\r\nSwitchOn=1\r\n"
                                                        "[Off]\r\nSwitchOn=0\r\n");
    struct Case {
        std::vector<std::string> options;
        std::string command; // empty: the template does not load
    };
    const Case cases[] = {
        {{"--lock-code", "k", "--ac-name", "a"},
         R"({"Lockcode":"k","Enable":"1","ACName":"a","DNS1":"0.0.0.0","DNS2":"0.0.0.0"})"},
        {{"--lock-code", "k", "--template", "On"},
         R"({"Lockcode":"k","Enable":"1","ACName":"site ac","DNS1":"0.0.0.0","DNS2":"9.9.9.9"})"},
        {{"--lock-code", "k", "--template", "On", "--dns2", "1.1.1.1", "--ac-name", "x"},
         R"({"Lockcode":"k","Enable":"1","ACName":"x","DNS1":"0.0.0.0","DNS2":"1.1.1.1"})"},
        {{"--lock-code", "k", "--template", "On", "--disable"},
         R"({"Lockcode":"k","Enable":"0","ACName":"","DNS1":"0.0.0.0","DNS2":"0.0.0.0"})"},
        {{"--lock-code", "k", "--template", "Off"},
         R"({"Lockcode":"k","Enable":"0","ACName":"","DNS1":"0.0.0.0","DNS2":"0.0.0.0"})"},
        {{"--lock-code", "k", "--template", "on"}, ""},
    };
    for (const Case& c : cases) {
        CliOptions options;
        std::vector<std::string> errors;
        std::vector<std::string> args = c.options;
        args.push_back("--all");
        ASSERT_TRUE(ParseCliArguments(Args(args), options, errors));
        options.antiTheft.templateFile = file;
        AntiTheftFields fields;
        std::FILE* err = std::tmpfile();
        const bool loaded = AntiTheftFieldsFrom(options.antiTheft, fields, err);
        const std::string errText = ReadBackAndClose(err);
        EXPECT_EQ(loaded, !c.command.empty()) << c.command;
        if (loaded)
            EXPECT_EQ(BuildAntiTheftCommand(fields), c.command);
        else
            EXPECT_EQ(errText, "no template named on in " + file + "\n");
    }
}

TEST(CliAntiTheft, ARefusedFieldSendsNothing) {
    TempFolder folder;
    CSqlManagement store(folder.Path() + "data.mdb");
    CResultLog log(folder.Path() + "Log/");
    AcTransmitManage manager(store, log);
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--lock-code", "a\\b", "--confirm", "x"},
         "The input Lock Code cannot contain the characters \" or \\ \n"},
        {{"--lock-code", "Code"}, "Please input the Confirm Lock Code information!\n"},
        {{"--lock-code", "Code", "--confirm", "code"},
         "The input information of the two is inconsistent!\n"},
        {{"--lock-code", "k", "--confirm", "k"}, "Please input the AC Name information!\n"},
        {{"--lock-code", "k", "--confirm", "k", "--ac-name", "a", "--dns1", "8.8.8"},
         "The Primary DNS is invalid!\n"},
        {{"--lock-code", "k", "--confirm", "k", "--ac-name", "a", "--dns2", ""},
         "The Secondary DNS is invalid!\n"},
    };
    for (const auto& [options, message] : cases) {
        CliOptions parsed;
        std::vector<std::string> errors;
        std::vector<std::string> args = options;
        args.push_back("--all");
        ASSERT_TRUE(ParseCliArguments(Args(args), parsed, errors));
        std::FILE* out = std::tmpfile();
        std::FILE* err = std::tmpfile();
        // The adapter does not exist: a field check that came later would end in ExitAdapter.
        EXPECT_EQ(RunCli(parsed, manager, store, out, err), ExitUsage) << message;
        EXPECT_EQ(ReadBackAndClose(err), message);
        EXPECT_EQ(ReadBackAndClose(out), "");
    }
}
