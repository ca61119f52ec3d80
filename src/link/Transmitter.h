// Carrying out one job for one device: the transfers of its kind, each handed to the adapter's
// shared path, which sends it frame by frame with acknowledgements, and one status write per
// transfer.
#pragma once

#include <cstdint>
#include <string>

#include "link/LinkFrame.h"
#include "link/TransferRegistry.h"
#include "link/TransmitJob.h"

namespace lumicord {

enum class TransferResult { Finished, Failed, Stopped };

constexpr int kEndpointTries = 10;
constexpr int kEndpointRetryMs = 100;

// Sends the file at `path` in chunks built on `templ` (addresses, msg_type, op_code,
// file_count set), each acknowledged before the next goes.
TransferResult SendFile(const TransferLink& link, const LinkFrame& templ,
                        std::uint16_t expectedMsgType, const std::string& path);

// Sends the anti-theft command built on `templ` and waits for its acknowledgement.
TransferResult SendCommand(const TransferLink& link, const LinkFrame& templ,
                           const std::string& commandText);

// The transfers of the job's kind in order, each ending in TransmitFinish or TransmitFail for
// its column. Any kind but 1, 2 and 4 runs as 3, whose configuration file goes whatever became
// of the logo (unless the transfers were told to stop).
void RunTransmitJob(const TransmitJob& job, const TransferLink& link, CTransferStatus& status);

} // namespace lumicord
