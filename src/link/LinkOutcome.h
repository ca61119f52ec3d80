// What a device's outcome frame means: which log kind, success or failure, and which status
// code goes into which column of the result store.
#pragma once

#include <cstdint>
#include <optional>

#include "link/TransferRegistry.h"

namespace lumicord {

struct LinkOutcome {
    int logKind; // ResultLogKind
    bool success;
    StatusColumn column;
    int code; // OperateStatus
};

// The outcome a (msg_type, op_code) pair reports; none for every other frame.
std::optional<LinkOutcome> OutcomeOf(std::uint16_t msgType, std::uint16_t opCode);

} // namespace lumicord
