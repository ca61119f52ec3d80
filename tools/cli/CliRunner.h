// The subcommands of lumicord-cli over the program's own discovery manager, result store and
// transmitters, with the scan and batch timing of the pages.
#pragma once

#include <chrono>
#include <cstdio>
#include <string>

#include "CliArguments.h"

namespace lumicord {
class AcTransmitManage;
class CSqlManagement;
} // namespace lumicord

namespace lumicord::cli {

struct CliTimings {
    std::chrono::milliseconds tick{1000}; // the pages' one-second timer
};

// Runs a parsed command line; returns the process's exit code.
int RunCli(const CliOptions& options, AcTransmitManage& manager, CSqlManagement& store,
           std::FILE* out, std::FILE* err, const CliTimings& timings = {});

} // namespace lumicord::cli
