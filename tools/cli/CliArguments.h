// The command line of lumicord-cli: which subcommand, on which adapter, what to send to whom.
#pragma once

#include <string>
#include <vector>

#include "CliAntiTheft.h"

namespace lumicord::cli {

enum class CliCommand { None, Adapters, Scan, Send, Sheet, Configs, AntiTheft };

struct CliOptions {
    CliCommand command = CliCommand::None;
    bool help = false;
    std::string adapter; // interface name or display text
    bool json = false;
    std::string logoPath;
    std::string configPath;
    std::string commandText;
    bool hasCommandText = false;
    bool all = false;
    std::vector<std::string> macs; // upper-case MAC texts, each once
    std::string outPath;           // sheet: the sheet to write; configs: the folder
    std::string sheetPath;         // configs: the edited sheet
    AntiTheftOptions antiTheft;
};

enum CliExitCode : int {
    ExitOk = 0,
    ExitSomeFailed = 1,
    ExitUsage = 2,
    ExitInstanceRunning = 3,
    ExitAdapter = 4,
};

// Parses the arguments (without the program name). Every bad argument adds one line to
// `errors`; the result is false when there was any.
bool ParseCliArguments(const std::vector<std::string>& args, CliOptions& options,
                       std::vector<std::string>& errors);

// The help text of `command` (None: the overview).
std::string CliUsage(CliCommand command);

} // namespace lumicord::cli
