#include "CliRunner.h"

#include "CliAntiTheft.h"
#include "CliSteps.h"

#include <cstring>
#include <list>
#include <string>
#include <thread>
#include <vector>

#include "CliContent.h"
#include "link/AcTransmitManage.h"
#include "link/BatchProgress.h"
#include "link/ScanProgress.h"
#include "platform/TextConversion.h"
#include "records/CSqlManagement.h"

namespace lumicord::cli {
namespace {

std::string DisplayText(const local_adapter_stu& adapter) {
    return Utf16ToUtf8(AdapterDisplayText(adapter));
}

std::string AdapterName(const local_adapter_stu& adapter) {
    return std::string(adapter.adapter_name,
                       strnlen(adapter.adapter_name, sizeof adapter.adapter_name));
}

std::string StatusText(int code) {
    return Utf16ToUtf8(OperateStatusText(code));
}

const char* ResultText(DeviceResult result) {
    switch (result) {
    case ResultSuccess:
        return "success";
    case ResultFailed:
        return "failed";
    case ResultInProgress:
        return "in progress";
    case ResultNotStarted:
        break;
    }
    return "not started";
}

// Text of a fixed-width field of a received record: up to its NUL or its whole width.
template <std::size_t N> std::string Field(const char (&field)[N]) {
    return std::string(field, strnlen(field, N));
}

std::string JsonText(const std::string& text) {
    std::string out = "\"";
    for (const unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

int CountRows(CSqlManagement& store) {
    std::list<ap_info_stu> rows;
    int count = 0, success = 0, fail = 0;
    store.ListDevices(rows, count, success, fail, true, SortByMac, u"");
    return count;
}

} // namespace

// Makes `wanted` (an interface name or a display text) the link's adapter.
bool ChooseAdapterNamed(AcTransmitManage& manager, const std::string& wanted, std::FILE* err) {
    std::vector<local_adapter_stu> adapters;
    manager.RefreshAdapters(adapters);
    for (const local_adapter_stu& adapter : adapters) {
        if (AdapterName(adapter) != wanted && DisplayText(adapter) != wanted)
            continue;
        manager.ChooseAdapter(adapter);
        if (manager.CaptureDeviceName()[0] == '\0') {
            std::fprintf(err, "no capture device for adapter %s\n", wanted.c_str());
            return false;
        }
        return true;
    }
    std::fprintf(err, "no adapter named %s (see `lumicord-cli adapters`)\n", wanted.c_str());
    return false;
}

// The adapter page's scan: clear, request, then one tick per timer period until the count
// stops growing.
void Scan(AcTransmitManage& manager, CSqlManagement& store, const CliTimings& timings) {
    manager.Init();
    manager.ClearDevices();
    store.DeleteAll();
    manager.BroadcastDiscovery();
    CScanProgress progress;
    for (;;) {
        std::this_thread::sleep_for(timings.tick);
        const ScanStep step = progress.OnTick(CountRows(store));
        if (step == ScanStep::Finished)
            return;
        if (step == ScanStep::Rebroadcast)
            manager.BroadcastDiscovery();
    }
}

int ScanForTargets(const CliOptions& o, AcTransmitManage& manager, CSqlManagement& store,
                   std::FILE* err, const CliTimings& timings, std::vector<std::string>& targets,
                   bool& allFound) {
    if (!ChooseAdapterNamed(manager, o.adapter, err))
        return ExitAdapter;
    Scan(manager, store, timings);
    const std::vector<ap_discover_stu> devices = manager.Devices();
    std::vector<std::string> missing;
    targets.clear();
    if (o.all) {
        for (const ap_discover_stu& d : devices)
            targets.push_back(Field(d.mac));
    } else {
        for (const std::string& mac : o.macs) {
            bool found = false;
            for (const ap_discover_stu& d : devices)
                found = found || mac == Field(d.mac);
            (found ? targets : missing).push_back(mac);
        }
    }
    for (const std::string& mac : missing)
        std::fprintf(err, "%s: not found on the segment\n", mac.c_str());
    allFound = missing.empty();
    if (targets.empty()) {
        std::fprintf(err, "no device to send to\n");
        return ExitSomeFailed;
    }
    return ExitOk;
}

int FollowBatch(CSqlManagement& store, const std::vector<std::string>& targets, bool allFound,
                std::FILE* out, const CliTimings& timings) {
    CBatchProgress batch(store, targets);
    do
        std::this_thread::sleep_for(timings.tick);
    while (!batch.OnSecond());

    bool allSucceeded = allFound;
    for (const std::string& mac : targets) {
        ap_info_stu row{};
        std::list<ap_info_stu> one;
        int count = 0, success = 0, fail = 0;
        store.ListDevices(one, count, success, fail, true, SortByMac, Utf8ToUtf16(mac));
        if (!one.empty())
            row = one.front();
        const DeviceResult result = store.GetDeviceResult(mac);
        allSucceeded = allSucceeded && result == ResultSuccess;
        std::fprintf(out, "%s\tconfig: %s\tlogo: %s\tanti-theft: %s\tresult: %s\n", mac.c_str(),
                     StatusText(row.para_status).c_str(), StatusText(row.logo_status).c_str(),
                     StatusText(row.antitheft_status).c_str(), ResultText(result));
    }
    return allSucceeded ? ExitOk : ExitSomeFailed;
}

namespace {

int RunAdapters(AcTransmitManage& manager, std::FILE* out) {
    std::vector<local_adapter_stu> adapters;
    manager.RefreshAdapters(adapters);
    for (const local_adapter_stu& adapter : adapters)
        std::fprintf(out, "%s\t%s\n", DisplayText(adapter).c_str(), AdapterName(adapter).c_str());
    return ExitOk;
}

int RunScan(const CliOptions& o, AcTransmitManage& manager, CSqlManagement& store, std::FILE* out,
            std::FILE* err, const CliTimings& timings) {
    if (!ChooseAdapterNamed(manager, o.adapter, err))
        return ExitAdapter;
    Scan(manager, store, timings);
    const std::vector<ap_discover_stu> devices = manager.Devices();
    if (o.json)
        std::fputs("[", out);
    bool first = true;
    for (const ap_discover_stu& d : devices) {
        const std::string mac = Field(d.mac), ssid2 = Field(d.ssid2), ssid5 = Field(d.ssid5);
        const std::string key2 = Field(d.wpakey2), key5 = Field(d.wpakey5);
        if (o.json) {
            std::fprintf(out,
                         "%s\n {\"mac\": %s, \"ssid2\": %s, \"ssid5\": %s, \"wpakey2\": %s, "
                         "\"wpakey5\": %s}",
                         first ? "" : ",", JsonText(mac).c_str(), JsonText(ssid2).c_str(),
                         JsonText(ssid5).c_str(), JsonText(key2).c_str(), JsonText(key5).c_str());
        } else {
            std::fprintf(out, "%s\t%s\t%s\t%s\t%s\n", mac.c_str(), ssid2.c_str(), ssid5.c_str(),
                         key2.c_str(), key5.c_str());
        }
        first = false;
    }
    if (o.json)
        std::fputs(devices.empty() ? "]\n" : "\n]\n", out);
    return ExitOk;
}

TransmitJob JobFor(const CliOptions& o, const MacAddress& device, const MacAddress& adapter) {
    std::int32_t kind = JobAntiTheft;
    if (!o.hasCommandText)
        kind = o.logoPath.empty()     ? JobConfigFile
               : o.configPath.empty() ? JobLogo
                                      : JobLogoAndConfig;
    TransmitJob job = MakeTransmitJob(device, adapter, kind);
    SetJobText(job.logo_path, sizeof job.logo_path, o.logoPath);
    SetJobText(job.config_path, sizeof job.config_path, o.configPath);
    SetJobText(job.command_text, sizeof job.command_text, o.commandText);
    return job;
}

// Marks the columns the job will write as Operating, as the pages do before starting jobs.
void MarkOperating(CSqlManagement& store, const std::string& mac, const TransmitJob& job) {
    if (job.kind == JobAntiTheft) {
        store.SetAntiTheftStatus(mac, Operating);
        return;
    }
    if (job.kind != JobConfigFile)
        store.SetLogoStatus(mac, Operating);
    if (job.kind != JobLogo)
        store.SetParaStatus(mac, Operating);
}

int RunSend(const CliOptions& o, AcTransmitManage& manager, CSqlManagement& store, std::FILE* out,
            std::FILE* err, const CliTimings& timings) {
    std::vector<std::string> targets;
    bool allFound = false;
    if (const int code = ScanForTargets(o, manager, store, err, timings, targets, allFound))
        return code;
    store.ResetStatuses();
    for (const std::string& mac : targets) {
        const TransmitJob job = JobFor(o, *ParseMacText(mac), manager.AdapterMac());
        MarkOperating(store, mac, job);
        if (!manager.StartTransmitJob(job))
            std::fprintf(err, "%s: transmitter could not be started\n", mac.c_str());
    }
    return FollowBatch(store, targets, allFound, out, timings);
}

} // namespace

int RunCli(const CliOptions& options, AcTransmitManage& manager, CSqlManagement& store,
           std::FILE* out, std::FILE* err, const CliTimings& timings) {
    switch (options.command) {
    case CliCommand::Adapters:
        return RunAdapters(manager, out);
    case CliCommand::Scan:
        return RunScan(options, manager, store, out, err, timings);
    case CliCommand::Send:
        return RunSend(options, manager, store, out, err, timings);
    case CliCommand::Sheet:
        return RunSheet(options, manager, store, out, err, timings);
    case CliCommand::Configs:
        return RunConfigs(options, out, err);
    case CliCommand::AntiTheft:
        return RunAntiTheft(options, manager, store, out, err, timings);
    case CliCommand::None:
        break;
    }
    std::fputs(CliUsage(CliCommand::None).c_str(), err);
    return ExitUsage;
}

} // namespace lumicord::cli
