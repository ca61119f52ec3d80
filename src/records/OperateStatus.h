// Status codes of the three operations kept per device, and the overall result of a device.
#pragma once

#include <string>

namespace lumicord {

enum OperateStatus : int {
    WaitOperate = 0,
    Operating = 1,
    OperateSuccess = 2,
    OperateFail = 3,
    TransmitFinish = 4,
    TransmitFail = 5,
    DeviceRespondTimeout = 6,
    LockcodeMismatch = 7,
};

enum DeviceResult : int {
    ResultSuccess = 0,
    ResultFailed = 1,
    ResultInProgress = 2,
    ResultNotStarted = 3,
};

// English display text of a status code ("Wait operate", ...); empty for unknown codes.
const char16_t* OperateStatusEnglish(int code);
// The display text passed through the language tables.
std::u16string OperateStatusText(int code);
// The class of a code for the overall result.
DeviceResult StatusClass(int code);
// Overall result of a device from its parameters, logo and anti-theft codes.
DeviceResult CombineStatuses(int para, int logo, int antiTheft);

} // namespace lumicord
