// What the adapter and devices pages work with: the discovery manager and the result store of
// the application, and the length of their timers' second (tests shorten it).
#pragma once

#include <chrono>

namespace lumicord {

class AcTransmitManage;
class CSqlManagement;

struct CPageServices {
    AcTransmitManage* manager = nullptr;
    CSqlManagement* store = nullptr;
    std::chrono::milliseconds second{1000};

    // A timer period of `seconds` of the pages' seconds, in milliseconds.
    int Period(int seconds) const { return static_cast<int>(second.count()) * seconds; }
    bool Valid() const { return manager != nullptr && store != nullptr; }
};

} // namespace lumicord
