// Command-line parsing of lumicord-cli: accepted forms and one clear line per bad argument.
#include <gtest/gtest.h>

#include "CliArguments.h"

using namespace lumicord::cli;

namespace {

struct Parsed {
    bool ok;
    CliOptions options;
    std::vector<std::string> errors;
};

Parsed Parse(std::vector<std::string> args) {
    Parsed p;
    p.ok = ParseCliArguments(args, p.options, p.errors);
    return p;
}

} // namespace

TEST(CliArguments, AcceptedForms) {
    Parsed p = Parse({"adapters"});
    EXPECT_TRUE(p.ok);
    EXPECT_EQ(p.options.command, CliCommand::Adapters);

    p = Parse({"scan", "-i", "Local Ethernet (00:1A:2B:3C:4D:5E)", "--json"});
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(p.options.adapter, "Local Ethernet (00:1A:2B:3C:4D:5E)");
    EXPECT_TRUE(p.options.json);

    p = Parse({"send", "--interface", "eth1", "--logo", "a.png", "--config", "c.xml",
               "02-00-00-00-00-0a", "02:00:00:00:00:0A", "02:00:00:00:00:0b"});
    ASSERT_TRUE(p.ok) << (p.errors.empty() ? "" : p.errors[0]);
    EXPECT_EQ(p.options.logoPath, "a.png");
    EXPECT_EQ(p.options.configPath, "c.xml");
    // Normalised to the upper-case key form, each MAC once.
    EXPECT_EQ(p.options.macs, (std::vector<std::string>{"02:00:00:00:00:0A", "02:00:00:00:00:0B"}));

    p = Parse({"send", "-i", "eth1", "--command", "{\"Lockcode\":\"1\"}", "--all"});
    ASSERT_TRUE(p.ok);
    EXPECT_TRUE(p.options.hasCommandText);
    EXPECT_TRUE(p.options.all);

    p = Parse({"sheet", "--config", "C.XML", "--out", "s.xls", "-i", "eth1", "02:00:00:00:00:01"});
    ASSERT_TRUE(p.ok) << (p.errors.empty() ? "" : p.errors[0]);
    EXPECT_EQ(p.options.command, CliCommand::Sheet);
    EXPECT_EQ(p.options.outPath, "s.xls");
    EXPECT_EQ(p.options.adapter, "eth1");
    p = Parse(
        {"configs", "--config", "c.json", "--sheet", "s.xls", "--out", "dir", "02:00:00:00:00:01"});
    ASSERT_TRUE(p.ok) << (p.errors.empty() ? "" : p.errors[0]);
    EXPECT_EQ(p.options.sheetPath, "s.xls");

    for (auto args : std::vector<std::vector<std::string>>{{"--help"},
                                                           {"send", "--help"},
                                                           {"scan", "-h"},
                                                           {"--help", "adapters"},
                                                           {"sheet", "-h"},
                                                           {"configs", "--help"}}) {
        p = Parse(args);
        EXPECT_TRUE(p.ok);
        EXPECT_TRUE(p.options.help);
        EXPECT_FALSE(CliUsage(p.options.command).empty());
    }
}

TEST(CliArguments, EveryBadArgumentGetsOneLine) {
    struct Case {
        std::vector<std::string> args;
        std::vector<std::string> errors;
    };
    const std::string longText(512, 'x');
    const Case cases[] = {
        {{}, {"no command given (adapters, scan, send, sheet, configs or anti-theft)"}},
        {{"frobnicate"}, {"unknown command: frobnicate"}},
        {{"scan"}, {"-i ADAPTER is required"}},
        {{"scan", "-i"}, {"option -i needs a value", "-i ADAPTER is required"}},
        {{"adapters", "--json"}, {"unknown option: --json"}},
        {{"scan", "-i", "e", "--logo", "x"}, {"unknown option: --logo", "unexpected argument: x"}},
        {{"send", "-i", "e", "--all"},
         {"send needs --logo FILE, --config FILE (or both) or --command TEXT"}},
        {{"send", "-i", "e", "--logo", "a", "--command", "c", "--all"},
         {"--command cannot be combined with --logo or --config"}},
        {{"send", "-i", "e", "--command", "", "--all"}, {"--command needs a non-empty text"}},
        {{"send", "-i", "e", "--command", longText, "--all"},
         {"--command text is longer than 511 bytes"}},
        {{"send", "-i", "e", "--config", "c", "--all", "02:00:00:00:00:01"},
         {"--all cannot be combined with MAC addresses"}},
        {{"send", "-i", "e", "--config", "c"}, {"send needs MAC addresses or --all"}},
        {{"send", "-i", "e", "--config", "c", "02:00:00:00:00", "zz", "02:00:00:00:00:01"},
         {"not a MAC address: 02:00:00:00:00", "not a MAC address: zz"}},
        {{"sheet"},
         {"--config FILE is required", "--out SHEET.xls is required",
          "give the MAC addresses of the devices"}},
        {{"configs", "--config", "c.txt", "--out", "d", "02:00:00:00:00:01"},
         {"Modify file is not .xml or .json file!"}},
        {{"configs", "-i", "e", "--config", "c.json", "--out", "d", "02:00:00:00:00:01"},
         {"unknown option: -i", "not a MAC address: e"}},
        {{"sheet", "--sheet", "s.xls", "--config", "c.xml", "--out", "s.xls", "02:00:00:00:00:01"},
         {"unknown option: --sheet", "not a MAC address: s.xls"}},
    };
    for (const Case& c : cases) {
        const Parsed p = Parse(c.args);
        EXPECT_FALSE(p.ok);
        EXPECT_EQ(p.errors, c.errors) << (c.args.empty() ? "(no arguments)" : c.args[0]);
    }
}
