// Command line of lumicord-devsim: the interface, how many devices, where transfers go, and
// per-device (or per-share) outcomes and fault modes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "SimDevice.h"
#include "link/MacText.h"

namespace lumicord::devsim {

// Which devices a setting applies to: all, a share ("10%"), or numbers ("1,4-6", from 1).
struct DeviceSelection {
    enum class Mode { All, Share, Numbers } mode = Mode::All;
    int percent = 0;
    std::vector<std::pair<int, int>> ranges;

    bool Contains(int number) const; // `number` counts from 1
};

// One --outcome, --lock-code or --fault setting with the devices it applies to.
struct DeviceSetting {
    std::string name;  // "applied", "lock-code", "ack-delay", ...
    std::string value; // text after '=' (may be empty)
    DeviceSelection selection;
};

struct SimOptions {
    std::string interfaceName;
    int count = 3;
    std::string outDir; // empty: transfers are counted, not written
    MacAddress macBase = {0x02, 0x00, 0x00, 0x00, 0x00, 0x01};
    std::string ssid2 = "Lumicord-{n}";
    std::string ssid5 = "Lumicord-{n}-5G";
    std::string key2 = "key24-{n}";
    std::string key5 = "key5-{n}";
    double durationSeconds = 0; // 0: until SIGINT or SIGTERM
    bool help = false;
    std::vector<DeviceSetting> settings; // in command-line order; later ones win
};

// Parses the arguments (without the program name). Every bad argument adds one line to
// `errors`; the result is false when there was any.
bool ParseSimOptions(const std::vector<std::string>& args, SimOptions& options,
                     std::vector<std::string>& errors);

std::string SimUsage();

// The MAC of device `number` (from 1): the base plus number - 1.
MacAddress DeviceMac(const MacAddress& base, int number);

// The behaviour of device `number` after every setting that selects it.
DeviceBehaviour BehaviourOf(const SimOptions& options, int number);

} // namespace lumicord::devsim
