// Local wall-clock readings broken into the fields the program's texts are made of.
#pragma once

#include <chrono>

namespace lumicord {

struct LocalTime {
    int year = 0;
    int month = 0; // 1..12
    int day = 0;   // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

LocalTime ToLocalTime(std::chrono::system_clock::time_point when);
LocalTime ReadLocalTime();

} // namespace lumicord
