// lumicord-cli anti-theft: the anti-theft page's fields from the command line (or a saved
// template), its checks and messages, its command and batch start.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace lumicord {
class AcTransmitManage;
class CSqlManagement;
struct AntiTheftFields;
} // namespace lumicord

namespace lumicord::cli {

struct CliOptions;
struct CliTimings;

struct AntiTheftOptions {
    std::optional<std::string> lockCode;
    std::optional<std::string> confirm;
    std::optional<std::string> acName;
    std::optional<std::string> dns1;
    std::optional<std::string> dns2;
    std::optional<std::string> templateName;
    bool disable = false;
    std::string templateFile; // empty: IniTemplate/Config.ini in the program directory
};

// Takes the anti-theft option at args[i] (and its value); false when it is none of them.
bool TakeAntiTheftOption(const std::vector<std::string>& args, std::size_t& i, AntiTheftOptions& o,
                         std::vector<std::string>& errors);
// The checks of a complete anti-theft command line that need no file.
void CheckAntiTheftOptions(const AntiTheftOptions& o, std::vector<std::string>& errors);

std::string AntiTheftUsage();

// The page's fields as the options (over the template, when one is named) give them. False
// with a line on `err` when the template cannot be read.
bool AntiTheftFieldsFrom(const AntiTheftOptions& o, AntiTheftFields& fields, std::FILE* err);

int RunAntiTheft(const CliOptions& options, AcTransmitManage& manager, CSqlManagement& store,
                 std::FILE* out, std::FILE* err, const CliTimings& timings);

} // namespace lumicord::cli
