#include "platform/LocalClock.h"

#include <ctime>

namespace lumicord {

LocalTime ToLocalTime(std::chrono::system_clock::time_point when) {
    using namespace std::chrono;
    const auto sinceEpoch = when.time_since_epoch();
    const auto secs = duration_cast<seconds>(sinceEpoch);
    auto millis = duration_cast<milliseconds>(sinceEpoch - secs).count();
    std::time_t t = static_cast<std::time_t>(secs.count());
    if (millis < 0) { // times before the epoch
        millis += 1000;
        --t;
    }
    std::tm parts{};
    localtime_r(&t, &parts);
    LocalTime local;
    local.year = parts.tm_year + 1900;
    local.month = parts.tm_mon + 1;
    local.day = parts.tm_mday;
    local.hour = parts.tm_hour;
    local.minute = parts.tm_min;
    local.second = parts.tm_sec;
    local.millisecond = static_cast<int>(millis);
    return local;
}

LocalTime ReadLocalTime() {
    return ToLocalTime(std::chrono::system_clock::now());
}

} // namespace lumicord
