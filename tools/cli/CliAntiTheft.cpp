#include <algorithm>

#include "CliAntiTheft.h"

#include "CliArguments.h"
#include "CliRunner.h"
#include "CliSteps.h"
#include "content/AntiTheftApply.h"
#include "content/AntiTheftCommand.h"
#include "content/AntiTheftTemplate.h"
#include "content/AntiTheftValidation.h"
#include "platform/ProgramDirectory.h"
#include "platform/TextConversion.h"

namespace lumicord::cli {
namespace {

struct ValueOption {
    const char* name;
    std::optional<std::string> AntiTheftOptions::*field;
    std::size_t limit; // as many characters as the page's edit takes
};

const ValueOption kValueOptions[] = {
    {"--lock-code", &AntiTheftOptions::lockCode, kLockCodeLimit},
    {"--confirm", &AntiTheftOptions::confirm, kLockCodeLimit},
    {"--ac-name", &AntiTheftOptions::acName, kAcNameLimit},
    {"--dns1", &AntiTheftOptions::dns1, kDnsLimit},
    {"--dns2", &AntiTheftOptions::dns2, kDnsLimit},
    {"--template", &AntiTheftOptions::templateName, 0},
};

} // namespace

bool TakeAntiTheftOption(const std::vector<std::string>& args, std::size_t& i, AntiTheftOptions& o,
                         std::vector<std::string>& errors) {
    if (args[i] == "--disable") {
        o.disable = true;
        return true;
    }
    for (const ValueOption& option : kValueOptions) {
        if (args[i] != option.name)
            continue;
        if (i + 1 >= args.size()) {
            errors.push_back(std::string("option ") + option.name + " needs a value");
            return true;
        }
        const std::string& value = args[++i];
        if (option.limit && Utf8ToUtf16(value).size() > option.limit)
            errors.push_back(std::string(option.name) + " takes at most " +
                             std::to_string(option.limit) + " characters");
        o.*option.field = value;
        return true;
    }
    return false;
}

void CheckAntiTheftOptions(const AntiTheftOptions& o, std::vector<std::string>& errors) {
    if (!o.lockCode)
        errors.push_back("anti-theft needs --lock-code CODE");
    if (o.disable && (o.acName || o.dns1 || o.dns2))
        errors.push_back("--disable cannot be combined with --ac-name, --dns1 or --dns2");
}

std::string AntiTheftUsage() {
    return "Usage: lumicord-cli anti-theft -i ADAPTER --lock-code CODE [--confirm CODE]\n"
           "                              [--disable | --ac-name NAME [--dns1 ADDR] [--dns2 "
           "ADDR]]\n"
           "                              [--template NAME] (--all | MAC...)\n"
           "Checks the fields as the anti-theft page does, scans, sends the anti-theft command\n"
           "to the MACs given or to every device found, follows the batch for up to 15 seconds\n"
           "and prints each device's statuses and result.\n"
           "  --lock-code CODE  the lock code (at most 32 characters)\n"
           "  --confirm CODE    the lock code again; required unless the protection is off\n"
           "  --disable         protection off: only the lock code is sent\n"
           "  --ac-name NAME    the AC name (at most 32 characters); turns protection on\n"
           "  --dns1, --dns2 ADDR  DNS servers, IPv4 or IPv6; an omitted one is sent as 0.0.0.0\n"
           "  --template NAME   the protection switch, AC name and DNS of a saved template;\n"
           "                    the options given win over it\n"
           "Exit status: 0 every device succeeded, 1 some did not (\"Lockcode mismatch\" when a\n"
           "device refused the lock code), 2 bad usage or a field refused, 3 another copy of\n"
           "the program is running, 4 adapter not usable.\n";
}

bool AntiTheftFieldsFrom(const AntiTheftOptions& o, AntiTheftFields& f, std::FILE* err) {
    f = AntiTheftFields{};
    if (o.templateName) {
        const std::string path =
            o.templateFile.empty() ? TemplateFilePath(ProgramDirectory()) : o.templateFile;
        CTemplateIni ini;
        if (!ini.LoadFile(path)) {
            std::fprintf(err, "%s\n", ini.ErrorText().c_str());
            return false;
        }
        const std::vector<std::string> names = ini.SectionNames();
        if (std::find(names.begin(), names.end(), *o.templateName) == names.end()) {
            std::fprintf(err, "no template named %s in %s\n", o.templateName->c_str(),
                         path.c_str());
            return false;
        }
        LoadTemplate(ini, *o.templateName, f);
    }
    // An AC name or DNS on the command line means protection on, as on the page.
    if (o.acName || o.dns1 || o.dns2)
        f.switchOn = true;
    if (o.disable)
        f.switchOn = false;
    f.lockCode = Utf8ToUtf16(o.lockCode.value_or(""));
    f.confirmLockCode = Utf8ToUtf16(o.confirm.value_or(""));
    if (o.acName)
        f.acName = Utf8ToUtf16(*o.acName);
    if (o.dns1)
        f.primaryDns = Utf8ToUtf16(*o.dns1);
    if (o.dns2)
        f.secondaryDns = Utf8ToUtf16(*o.dns2);
    return true;
}

int RunAntiTheft(const CliOptions& o, AcTransmitManage& manager, CSqlManagement& store,
                 std::FILE* out, std::FILE* err, const CliTimings& timings) {
    AntiTheftFields fields;
    if (!AntiTheftFieldsFrom(o.antiTheft, fields, err))
        return ExitUsage;
    const AntiTheftVerdict verdict = ValidateInputs(fields);
    if (!verdict.ok) {
        std::fprintf(err, "%s\n", Utf16ToUtf8(verdict.message).c_str());
        return ExitUsage;
    }
    const std::string command = BuildAntiTheftCommand(fields);

    std::vector<std::string> targets;
    bool allFound = false;
    if (const int code = ScanForTargets(o, manager, store, err, timings, targets, allFound))
        return code;
    CLinkAntiTheftTarget target(store, manager);
    const AntiTheftApplyResult started = ApplyToDevices(target, targets, command);
    for (const std::string& mac : started.notStarted)
        std::fprintf(err, "%s: transmitter could not be started\n", mac.c_str());
    return FollowBatch(store, targets, allFound, out, timings);
}

} // namespace lumicord::cli
