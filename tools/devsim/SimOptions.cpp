#include "SimOptions.h"

#include <charconv>
#include <cstdio>

namespace lumicord::devsim {
namespace {

bool ParseInt(const std::string& text, int low, int high, int& value) {
    int parsed = 0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, parsed);
    if (result.ec != std::errc() || result.ptr != end || parsed < low || parsed > high)
        return false;
    value = parsed;
    return true;
}

bool ParseSelection(const std::string& text, DeviceSelection& selection) {
    if (text == "all") {
        selection.mode = DeviceSelection::Mode::All;
        return true;
    }
    if (!text.empty() && text.back() == '%') {
        selection.mode = DeviceSelection::Mode::Share;
        return ParseInt(text.substr(0, text.size() - 1), 0, 100, selection.percent);
    }
    selection.mode = DeviceSelection::Mode::Numbers;
    std::size_t from = 0;
    while (from <= text.size()) {
        std::size_t comma = text.find(',', from);
        if (comma == std::string::npos)
            comma = text.size();
        const std::string item = text.substr(from, comma - from);
        const std::size_t dash = item.find('-');
        int first = 0;
        int last = 0;
        if (!ParseInt(item.substr(0, dash), 1, 1 << 30, first))
            return false;
        last = first;
        if (dash != std::string::npos && !ParseInt(item.substr(dash + 1), first, 1 << 30, last))
            return false;
        selection.ranges.emplace_back(first, last);
        from = comma + 1;
    }
    return true;
}

// "NAME[=VALUE][@SELECTION]" of --outcome, --lock-code and --fault.
bool ParseSetting(const std::string& text, DeviceSetting& setting) {
    std::string body = text;
    const std::size_t at = text.rfind('@');
    if (at != std::string::npos) {
        body = text.substr(0, at);
        if (!ParseSelection(text.substr(at + 1), setting.selection))
            return false;
    }
    const std::size_t equals = body.find('=');
    setting.name = body.substr(0, equals);
    setting.value = equals == std::string::npos ? "" : body.substr(equals + 1);
    return !setting.name.empty();
}

bool KnownFault(const DeviceSetting& fault) {
    int number = 0;
    if (fault.name == "silent" || fault.name == "no-ack" || fault.name == "second-copy")
        return fault.value.empty();
    if (fault.name == "ack-delay" || fault.name == "flood")
        return ParseInt(fault.value, 0, 1000000, number);
    if (fault.name == "repeat-outcome")
        return ParseInt(fault.value, 1, 1000000, number);
    return false;
}

std::string Expand(const std::string& pattern, int number) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%04d", number);
    std::string text = pattern;
    for (std::size_t at = text.find("{n}"); at != std::string::npos; at = text.find("{n}", at))
        text.replace(at, 3, digits);
    return text;
}

int IntValue(const std::string& text) {
    int value = 0;
    ParseInt(text, 0, 1000000, value);
    return value;
}

} // namespace

bool DeviceSelection::Contains(int number) const {
    switch (mode) {
    case Mode::All:
        return true;
    case Mode::Share: // spread evenly: device n is in when floor(n*p/100) steps up at n
        return (static_cast<long long>(number) * percent) / 100 >
               (static_cast<long long>(number - 1) * percent) / 100;
    case Mode::Numbers:
        for (const auto& [first, last] : ranges)
            if (number >= first && number <= last)
                return true;
        return false;
    }
    return false;
}

bool ParseSimOptions(const std::vector<std::string>& args, SimOptions& options,
                     std::vector<std::string>& errors) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        const std::string value = hasValue ? args[i + 1] : "";
        auto needValue = [&]() {
            if (!hasValue)
                errors.push_back(arg + ": needs a value");
            else
                ++i;
            return hasValue;
        };
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "-i" || arg == "--interface") {
            if (needValue())
                options.interfaceName = value;
        } else if (arg == "-n" || arg == "--count") {
            if (needValue() && !ParseInt(value, 1, 100000, options.count))
                errors.push_back(arg + " " + value +
                                 ": the count must be a number from 1 to 100000");
        } else if (arg == "--out") {
            if (needValue())
                options.outDir = value;
        } else if (arg == "--mac-base") {
            if (needValue()) {
                const auto mac = ParseMacText(value);
                if (mac)
                    options.macBase = *mac;
                else
                    errors.push_back(arg + " " + value + ": not a MAC address (AA:BB:CC:DD:EE:FF)");
            }
        } else if (arg == "--ssid2" || arg == "--ssid5" || arg == "--key2" || arg == "--key5") {
            if (needValue()) {
                std::string& target = arg == "--ssid2"   ? options.ssid2
                                      : arg == "--ssid5" ? options.ssid5
                                      : arg == "--key2"  ? options.key2
                                                         : options.key5;
                target = value;
            }
        } else if (arg == "--duration") {
            int seconds = 0;
            if (needValue() && !ParseInt(value, 1, 1000000, seconds))
                errors.push_back(arg + " " + value +
                                 ": the duration must be whole seconds, at least 1");
            options.durationSeconds = seconds;
        } else if (arg == "--outcome" || arg == "--lock-code" || arg == "--fault") {
            if (!needValue())
                continue;
            DeviceSetting setting;
            bool ok = true;
            if (arg == "--lock-code") {
                // The code is taken whole ('=' included); only a valid "@SEL" ends it early.
                setting.name = "lock-code";
                setting.value = value;
                const std::size_t at = value.rfind('@');
                DeviceSelection selection;
                if (at != std::string::npos && ParseSelection(value.substr(at + 1), selection)) {
                    setting.value = value.substr(0, at);
                    setting.selection = selection;
                }
            } else if (arg == "--outcome") {
                ok = ParseSetting(value, setting) && setting.value.empty() &&
                     (setting.name == "applied" || setting.name == "failed" ||
                      setting.name == "mismatch");
            } else {
                ok = ParseSetting(value, setting) && KnownFault(setting);
            }
            if (ok)
                options.settings.push_back(setting);
            else
                errors.push_back(arg + " " + value + ": not understood (see --help)");
        } else {
            errors.push_back(arg + ": unknown argument (see --help)");
        }
    }
    if (!options.help && options.interfaceName.empty())
        errors.push_back("-i IFACE: the interface to play on is required");
    return errors.empty();
}

MacAddress DeviceMac(const MacAddress& base, int number) {
    std::uint64_t value = 0;
    for (std::uint8_t byte : base)
        value = (value << 8) | byte;
    value += static_cast<std::uint64_t>(number - 1);
    MacAddress mac;
    for (int i = 5; i >= 0; --i) {
        mac[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value & 0xFF);
        value >>= 8;
    }
    return mac;
}

DeviceBehaviour BehaviourOf(const SimOptions& options, int number) {
    DeviceBehaviour behaviour;
    behaviour.info = {Expand(options.ssid2, number), Expand(options.ssid5, number),
                      Expand(options.key2, number), Expand(options.key5, number)};
    for (const DeviceSetting& s : options.settings) {
        if (!s.selection.Contains(number))
            continue;
        if (s.name == "applied")
            behaviour.outcome = Outcome::Applied;
        else if (s.name == "failed")
            behaviour.outcome = Outcome::Failed;
        else if (s.name == "mismatch")
            behaviour.outcome = Outcome::Mismatch;
        else if (s.name == "lock-code")
            behaviour.lockCode = s.value;
        else if (s.name == "silent")
            behaviour.silent = true;
        else if (s.name == "no-ack")
            behaviour.noAck = true;
        else if (s.name == "second-copy")
            behaviour.secondCopy = true;
        else if (s.name == "ack-delay")
            behaviour.ackDelayMs = IntValue(s.value);
        else if (s.name == "flood")
            behaviour.strayFlood = IntValue(s.value);
        else if (s.name == "repeat-outcome")
            behaviour.outcomeRepeats = IntValue(s.value);
    }
    return behaviour;
}

std::string SimUsage() {
    return R"(Usage: lumicord-devsim -i IFACE [options]
Plays link devices on one Ethernet interface, each with its own MAC address.

  -i, --interface IFACE   interface to play on (required)
  -n, --count COUNT       number of devices, 1 to 100000 (default 3)
      --out DIR           write each received transfer to DIR/<MAC>.<config|logo|antitheft>
      --mac-base MAC      address of device 1; device n has base + n - 1
                          (default 02:00:00:00:00:01)
      --ssid2 TEXT, --ssid5 TEXT, --key2 TEXT, --key5 TEXT
                          texts of the discovery reply; {n} becomes the device number
      --duration SECONDS  stop after this long (default: at SIGINT or SIGTERM)
      --outcome applied|failed|mismatch[@SEL]
                          outcome reported after each transfer (default applied)
      --lock-code CODE[@SEL]
                          anti-theft commands with another Lockcode are refused
      --fault FAULT[@SEL] silent | no-ack | second-copy | ack-delay=MS | flood=COUNT |
                          repeat-outcome=COUNT
  -h, --help              this text

SEL picks devices: all (default), a share such as 10%, or numbers such as 1,4-6.
A summary of what each device received is printed on exit.
)";
}

} // namespace lumicord::devsim
