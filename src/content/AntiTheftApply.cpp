#include "content/AntiTheftApply.h"

#include "link/AcTransmitManage.h"
#include "records/CSqlManagement.h"
#include "records/OperateStatus.h"

namespace lumicord {

bool CLinkAntiTheftTarget::ResetStatuses() {
    return m_store.ResetStatuses();
}

bool CLinkAntiTheftTarget::SetAntiTheftStatus(const std::string& mac, int code) {
    return m_store.SetAntiTheftStatus(mac, code);
}

bool CLinkAntiTheftTarget::StartJob(const TransmitJob& job) {
    return m_manager.StartTransmitJob(job);
}

MacAddress CLinkAntiTheftTarget::AdapterMac() const {
    return m_manager.AdapterMac();
}

AntiTheftApplyResult ApplyToDevices(CAntiTheftTarget& target, const std::vector<std::string>& macs,
                                    const std::string& commandText) {
    AntiTheftApplyResult result;
    target.ResetStatuses();
    const bool fits = commandText.size() < kJobCommandSize;
    const MacAddress adapter = target.AdapterMac();
    for (const std::string& mac : macs) {
        const std::optional<MacAddress> device = ParseMacText(mac);
        if (!device || !fits) {
            result.notStarted.push_back(mac);
            continue;
        }
        target.SetAntiTheftStatus(mac, Operating);
        TransmitJob job = MakeTransmitJob(*device, adapter, JobAntiTheft);
        SetJobText(job.command_text, sizeof job.command_text, commandText);
        if (target.StartJob(job))
            ++result.started;
        else
            result.notStarted.push_back(mac);
    }
    return result;
}

} // namespace lumicord
