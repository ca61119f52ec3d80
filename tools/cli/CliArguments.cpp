#include "CliArguments.h"

#include <algorithm>

#include "CliContent.h"
#include "link/MacText.h"
#include "link/TransmitJob.h"

namespace lumicord::cli {
namespace {

CliCommand CommandNamed(const std::string& name) {
    if (name == "adapters")
        return CliCommand::Adapters;
    if (name == "scan")
        return CliCommand::Scan;
    if (name == "send")
        return CliCommand::Send;
    if (name == "anti-theft")
        return CliCommand::AntiTheft;
    if (name == "sheet")
        return CliCommand::Sheet;
    if (name == "configs")
        return CliCommand::Configs;
    return CliCommand::None;
}

// Takes the value of option `name` at args[i + 1]; false (with an error line) when missing.
bool TakeValue(const std::vector<std::string>& args, std::size_t& i, const std::string& name,
               std::string& value, std::vector<std::string>& errors) {
    if (i + 1 >= args.size()) {
        errors.push_back("option " + name + " needs a value");
        return false;
    }
    value = args[++i];
    return true;
}

void CheckSendOptions(CliOptions& o, std::vector<std::string>& errors) {
    const bool files = !o.logoPath.empty() || !o.configPath.empty();
    if (!files && !o.hasCommandText)
        errors.push_back("send needs --logo FILE, --config FILE (or both) or --command TEXT");
    if (files && o.hasCommandText)
        errors.push_back("--command cannot be combined with --logo or --config");
    if (o.hasCommandText && o.commandText.empty())
        errors.push_back("--command needs a non-empty text");
    if (o.commandText.size() >= kJobCommandSize)
        errors.push_back("--command text is longer than " + std::to_string(kJobCommandSize - 1) +
                         " bytes");
    for (const std::string* path : {&o.logoPath, &o.configPath})
        if (path->size() >= kJobPathSize)
            errors.push_back("file path is longer than " + std::to_string(kJobPathSize - 1) +
                             " bytes: " + *path);
    if (o.all && !o.macs.empty())
        errors.push_back("--all cannot be combined with MAC addresses");
    if (!o.all && o.macs.empty())
        errors.push_back("send needs MAC addresses or --all");
}

} // namespace

bool ParseCliArguments(const std::vector<std::string>& args, CliOptions& o,
                       std::vector<std::string>& errors) {
    o = CliOptions{};
    errors.clear();
    std::size_t i = 0;
    for (; i < args.size() && o.command == CliCommand::None; ++i) {
        const std::string& arg = args[i];
        if (arg == "-h" || arg == "--help")
            o.help = true;
        else if ((o.command = CommandNamed(arg)) == CliCommand::None)
            errors.push_back("unknown command: " + arg);
        if (!errors.empty())
            return false;
    }
    if (o.command == CliCommand::Sheet || o.command == CliCommand::Configs)
        return ParseContentArguments(args, i, o, errors);
    for (; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool antiTheft = o.command == CliCommand::AntiTheft;
        const bool sends = o.command == CliCommand::Send || antiTheft;
        const bool scanOrSend = o.command == CliCommand::Scan || sends;
        std::string value;
        if (arg == "-h" || arg == "--help") {
            o.help = true;
        } else if (scanOrSend && (arg == "-i" || arg == "--interface")) {
            if (TakeValue(args, i, arg, value, errors))
                o.adapter = value;
        } else if (o.command == CliCommand::Scan && arg == "--json") {
            o.json = true;
        } else if (o.command == CliCommand::Send && arg == "--logo") {
            if (TakeValue(args, i, arg, value, errors))
                o.logoPath = value;
        } else if (o.command == CliCommand::Send && arg == "--config") {
            if (TakeValue(args, i, arg, value, errors))
                o.configPath = value;
        } else if (o.command == CliCommand::Send && arg == "--command") {
            if (TakeValue(args, i, arg, value, errors)) {
                o.commandText = value;
                o.hasCommandText = true;
            }
        } else if (sends && arg == "--all") {
            o.all = true;
        } else if (antiTheft && TakeAntiTheftOption(args, i, o.antiTheft, errors)) {
        } else if (!arg.empty() && arg[0] == '-') {
            errors.push_back("unknown option: " + arg);
        } else if (!sends) {
            errors.push_back("unexpected argument: " + arg);
        } else if (const auto mac = ParseMacText(arg)) {
            const std::string text = MacText(*mac);
            if (std::find(o.macs.begin(), o.macs.end(), text) == o.macs.end())
                o.macs.push_back(text);
        } else {
            errors.push_back("not a MAC address: " + arg);
        }
    }
    if (o.help)
        return errors.empty();
    if (o.command == CliCommand::None)
        errors.push_back("no command given (adapters, scan, send, sheet, configs or anti-theft)");
    if ((o.command == CliCommand::Scan || o.command == CliCommand::Send ||
         o.command == CliCommand::AntiTheft) &&
        o.adapter.empty())
        errors.push_back("-i ADAPTER is required");
    if (o.command == CliCommand::Send)
        CheckSendOptions(o, errors);
    if (o.command == CliCommand::AntiTheft) {
        CheckAntiTheftOptions(o.antiTheft, errors);
        if (o.all == !o.macs.empty())
            errors.push_back("anti-theft needs MAC addresses or --all, not both");
    }
    return errors.empty();
}

std::string CliUsage(CliCommand command) {
    switch (command) {
    case CliCommand::Adapters:
        return "Usage: lumicord-cli adapters\n"
               "Prints the display text and interface name of every usable adapter.\n";
    case CliCommand::Scan:
        return "Usage: lumicord-cli scan -i ADAPTER [--json]\n"
               "Broadcasts discovery until no new device appears in a 4-second check (a new\n"
               "request every 12 seconds while devices keep appearing), then prints one line\n"
               "per device: MAC, SSIDs, keys.\n"
               "  -i, --interface ADAPTER  interface name or a display text from `adapters`\n"
               "      --json               one JSON array instead of text lines\n";
    case CliCommand::Send:
        return "Usage: lumicord-cli send -i ADAPTER (--logo FILE | --config FILE |\n"
               "                        --logo FILE --config FILE | --command TEXT)\n"
               "                        (--all | MAC...)\n"
               "Scans, then sends to the MACs given or to every device found, follows the batch\n"
               "for up to 15 seconds and prints each device's statuses and result.\n"
               "Exit status: 0 every device succeeded, 1 some did not, 2 bad usage,\n"
               "3 another copy of the program is running, 4 adapter not usable.\n";
    case CliCommand::AntiTheft:
        return AntiTheftUsage();
    case CliCommand::Sheet:
    case CliCommand::Configs:
        return ContentUsage(command);
    case CliCommand::None:
        break;
    }
    return "Usage: lumicord-cli COMMAND [options]\n"
           "Commands:\n"
           "  adapters   list the adapters\n"
           "  scan       find the devices on an adapter\n"
           "  send       send a logo, a configuration file or a command to devices\n"
           "  anti-theft set the anti-theft protection of devices\n"
           "  sheet      write the per-device spreadsheet for a configuration file\n"
           "  configs    write per-device configuration files from the spreadsheet\n"
           "Run from the program directory's copy; `lumicord-cli COMMAND --help` for more.\n";
}

} // namespace lumicord::cli
