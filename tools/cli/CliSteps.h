// The steps every sending command of lumicord-cli shares: choosing the adapter, the scan, the
// devices asked for, and following the batch to one result line per device.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "CliArguments.h"
#include "CliRunner.h"

namespace lumicord {
class AcTransmitManage;
class CSqlManagement;
} // namespace lumicord

namespace lumicord::cli {

// Makes `wanted` (an interface name or a display text) the link's adapter.
bool ChooseAdapterNamed(AcTransmitManage& manager, const std::string& wanted, std::FILE* err);

// The adapter page's scan: clear, request, then one tick per timer period until the count
// stops growing.
void Scan(AcTransmitManage& manager, CSqlManagement& store, const CliTimings& timings);

// Chooses the adapter, scans and picks the MACs asked for (or every device found). ExitOk
// with `targets` set; `allFound` is false when a MAC asked for did not answer.
int ScanForTargets(const CliOptions& o, AcTransmitManage& manager, CSqlManagement& store,
                   std::FILE* err, const CliTimings& timings, std::vector<std::string>& targets,
                   bool& allFound);

// Waits for the batch as the devices page does, then prints each device's statuses and
// result. ExitOk when every device succeeded and every MAC asked for was found.
int FollowBatch(CSqlManagement& store, const std::vector<std::string>& targets, bool allFound,
                std::FILE* out, const CliTimings& timings);

} // namespace lumicord::cli
