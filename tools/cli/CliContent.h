// The content commands of lumicord-cli: `sheet` writes the per-device spreadsheet, `configs`
// reads it back, validates it and writes one configuration file per device.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "CliArguments.h"
#include "CliRunner.h"

namespace lumicord::cli {

// Parses the options of `sheet` and `configs` from args[from] on.
bool ParseContentArguments(const std::vector<std::string>& args, std::size_t from, CliOptions& o,
                           std::vector<std::string>& errors);

std::string ContentUsage(CliCommand command);

int RunSheet(const CliOptions& o, AcTransmitManage& manager, CSqlManagement& store, std::FILE* out,
             std::FILE* err, const CliTimings& timings);
int RunConfigs(const CliOptions& o, std::FILE* out, std::FILE* err);

} // namespace lumicord::cli
