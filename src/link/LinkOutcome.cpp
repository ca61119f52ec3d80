#include "link/LinkOutcome.h"

#include "link/LinkFrame.h"
#include "records/OperateStatus.h"
#include "records/ResultLog.h"

namespace lumicord {

std::optional<LinkOutcome> OutcomeOf(std::uint16_t msgType, std::uint16_t opCode) {
    struct Row {
        std::uint16_t msgType;
        std::uint16_t opCode;
        LinkOutcome outcome;
    };
    static constexpr Row kRows[] = {
        {MsgConfigFile, OpConfigOk, {ResultLogConfig, true, StatusColumn::Para, OperateSuccess}},
        {MsgConfigFile, OpConfigFail, {ResultLogConfig, false, StatusColumn::Para, OperateFail}},
        {MsgLogo, OpLogoOk, {ResultLogLogo, true, StatusColumn::Logo, OperateSuccess}},
        {MsgLogo, OpLogoFail, {ResultLogLogo, false, StatusColumn::Logo, OperateFail}},
        {MsgAntiTheft,
         OpAntiTheftOk,
         {ResultLogAntiTheft, true, StatusColumn::AntiTheft, OperateSuccess}},
        {MsgAntiTheft,
         OpLockcodeMismatch,
         {ResultLogAntiTheft, false, StatusColumn::AntiTheft, LockcodeMismatch}},
    };
    for (const Row& row : kRows)
        if (row.msgType == msgType && row.opCode == opCode)
            return row.outcome;
    return std::nullopt;
}

} // namespace lumicord
