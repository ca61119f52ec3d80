#include "CliContent.h"

#include <algorithm>
#include <cctype>

#include "CliSteps.h"

#include "content/DeviceSheet.h"
#include "content/FieldValidation.h"
#include "content/JsonConfig.h"
#include "content/XmlConfig.h"
#include "link/MacText.h"
#include "platform/ProgramDirectory.h"
#include "platform/TextConversion.h"

namespace lumicord::cli {
namespace {

enum class ConfigKind { Unknown, Xml, Json };

ConfigKind KindOf(const std::string& path) {
    std::string lower = path;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const auto endsWith = [&](const char* tail) {
        const std::size_t n = std::char_traits<char>::length(tail);
        return lower.size() >= n && lower.compare(lower.size() - n, n, tail) == 0;
    };
    return endsWith(".xml")    ? ConfigKind::Xml
           : endsWith(".json") ? ConfigKind::Json
                               : ConfigKind::Unknown;
}

// Reads the source configuration's summary into `content`; prints why when it cannot.
bool ReadSummary(DeviceContent& content, const std::string& path, std::FILE* err) {
    content.sourcePath = path;
    if (KindOf(path) == ConfigKind::Xml) {
        if (ReadXmlSummary(content.summary, path))
            return true;
        std::fprintf(err, "Failed to open the XML file: %s\n", path.c_str());
        return false;
    }
    std::string error;
    if (ReadJsonSummary(error, content.summary, path))
        return true;
    std::fprintf(err, "%s\n", error.c_str());
    return false;
}

std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

} // namespace

bool ParseContentArguments(const std::vector<std::string>& args, std::size_t from, CliOptions& o,
                           std::vector<std::string>& errors) {
    const bool sheet = o.command == CliCommand::Sheet;
    for (std::size_t i = from; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::string* target = nullptr;
        if (arg == "-h" || arg == "--help")
            o.help = true;
        else if (arg == "--config")
            target = &o.configPath;
        else if (arg == "--out")
            target = &o.outPath;
        else if (!sheet && arg == "--sheet")
            target = &o.sheetPath;
        else if (sheet && (arg == "-i" || arg == "--interface"))
            target = &o.adapter;
        else if (!arg.empty() && arg[0] == '-')
            errors.push_back("unknown option: " + arg);
        else if (const auto mac = ParseMacText(arg)) {
            const std::string text = MacText(*mac);
            if (std::find(o.macs.begin(), o.macs.end(), text) == o.macs.end())
                o.macs.push_back(text);
        } else {
            errors.push_back("not a MAC address: " + arg);
        }
        if (target != nullptr) {
            if (i + 1 >= args.size())
                errors.push_back("option " + arg + " needs a value");
            else
                *target = args[++i];
        }
    }
    if (o.help)
        return errors.empty();
    if (o.configPath.empty())
        errors.push_back("--config FILE is required");
    else if (KindOf(o.configPath) == ConfigKind::Unknown)
        errors.push_back("Modify file is not .xml or .json file!");
    if (o.outPath.empty())
        errors.push_back(sheet ? "--out SHEET.xls is required" : "--out DIR is required");
    if (o.macs.empty())
        errors.push_back("give the MAC addresses of the devices");
    return errors.empty();
}

std::string ContentUsage(CliCommand command) {
    if (command == CliCommand::Sheet)
        return "Usage: lumicord-cli sheet --config FILE --out SHEET.xls [-i ADAPTER] MAC...\n"
               "Writes the per-device spreadsheet for these devices from the XML or JSON\n"
               "configuration FILE. With -i the segment is scanned first and the sheet carries\n"
               "the SSIDs and keys each device reported; without, it has no wireless columns.\n";
    return "Usage: lumicord-cli configs --config FILE [--sheet SHEET.xls] --out DIR MAC...\n"
           "Writes one configuration file per device into DIR (its MAC without colons, .xml or\n"
           ".json). With --sheet, each device gets its row of the sheet (wireless columns when\n"
           "the sheet has ssid_2.4g); the first invalid field is printed and nothing is\n"
           "written (exit status 1). Without --sheet every device gets a copy of FILE.\n";
}

int RunSheet(const CliOptions& o, AcTransmitManage& manager, CSqlManagement& store, std::FILE* out,
             std::FILE* err, const CliTimings& timings) {
    DeviceContent content;
    content.macs = o.macs;
    if (!ReadSummary(content, o.configPath, err))
        return ExitSomeFailed;
    if (!o.adapter.empty()) {
        if (!ChooseAdapterNamed(manager, o.adapter, err))
            return ExitAdapter;
        Scan(manager, store, timings);
    }
    std::string note;
    if (!WriteDeviceSheetTo(content, store, ProgramDirectory() + "ExcelTemplate/Template.xls",
                            o.outPath, note)) {
        if (!note.empty())
            std::fprintf(err, "%s\n", note.c_str());
        std::fprintf(err, "Create excel fields Info error!\n");
        return ExitSomeFailed;
    }
    std::fprintf(out, "wrote %s (%zu devices, wireless columns %s)\n", o.outPath.c_str(),
                 content.macs.size(), content.wirelessColumns ? "on" : "off");
    return ExitOk;
}

int RunConfigs(const CliOptions& o, std::FILE* out, std::FILE* err) {
    DeviceContent content;
    content.macs = o.macs;
    if (!ReadSummary(content, o.configPath, err))
        return ExitSomeFailed;
    std::vector<config_value_stu> rows(content.macs.size(), config_value_stu{});
    if (!o.sheetPath.empty()) {
        content.sheetPath = o.sheetPath;
        content.wirelessColumns = SheetHasWirelessColumns(o.sheetPath);
        if (!ReadDeviceSheet(content)) {
            std::fprintf(err, "Obtaining excel format information is incorrect!\n");
            return ExitSomeFailed;
        }
        std::u16string note;
        if (!ValidateDeviceRows(content.rows, content.summary, content.wirelessColumns, note)) {
            std::fprintf(err, "%s\n", Utf16ToUtf8(note).c_str());
            return ExitSomeFailed;
        }
        rows = RowsForDevices(content.rows, content.macs);
    }
    const std::string folder = WithSlash(o.outPath);
    const bool xml = KindOf(o.configPath) == ConfigKind::Xml;
    for (std::size_t i = 0; i < content.macs.size(); ++i) {
        std::string note;
        const bool made = xml ? MakeDeviceXml(content, rows[i], content.macs[i], folder, note)
                              : MakeDeviceJson(content, rows[i], content.macs[i], folder, note);
        if (!made) {
            std::fprintf(err, "%s: %s\n", content.macs[i].c_str(), note.c_str());
            return ExitSomeFailed;
        }
        std::fprintf(out, "%s\t%s\n", content.macs[i].c_str(), content.deviceConfigPath.c_str());
    }
    return ExitOk;
}

} // namespace lumicord::cli
