#include "records/OperateStatus.h"

#include "app/LanguageTables.h"

namespace lumicord {

const char16_t* OperateStatusEnglish(int code) {
    switch (code) {
    case WaitOperate:
        return u"Wait operate";
    case Operating:
        return u"Operating";
    case OperateSuccess:
        return u"Operate success";
    case OperateFail:
        return u"Operate fail";
    case TransmitFinish:
        return u"Transmit finish";
    case TransmitFail:
        return u"Transmit fail";
    case DeviceRespondTimeout:
        return u"Device respond timeout";
    case LockcodeMismatch:
        return u"Lockcode mismatch";
    default:
        return u"";
    }
}

std::u16string OperateStatusText(int code) {
    return TranslateText(std::u16string_view(OperateStatusEnglish(code)));
}

DeviceResult StatusClass(int code) {
    switch (code) {
    case OperateSuccess:
        return ResultSuccess;
    case OperateFail:
    case TransmitFail:
    case DeviceRespondTimeout:
    case LockcodeMismatch:
        return ResultFailed;
    case Operating:
    case TransmitFinish:
        return ResultInProgress;
    default:
        return ResultNotStarted;
    }
}

DeviceResult CombineStatuses(int para, int logo, int antiTheft) {
    const DeviceResult p = StatusClass(para);
    const DeviceResult l = StatusClass(logo);
    const DeviceResult a = StatusClass(antiTheft);
    // A success of one kind wins over a failure of another, so this test comes first.
    if ((p == ResultSuccess && (l == ResultSuccess || l == ResultNotStarted)) ||
        (p == ResultNotStarted && l == ResultSuccess) || a == ResultSuccess)
        return ResultSuccess;
    if (p == ResultFailed || l == ResultFailed || a == ResultFailed)
        return ResultFailed;
    if (p == ResultInProgress || l == ResultInProgress || a == ResultInProgress)
        return ResultInProgress;
    return ResultNotStarted;
}

} // namespace lumicord
