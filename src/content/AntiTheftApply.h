// Starting an anti-theft batch: every status reset once, then per device in list order its
// anti-theft status set to Operating and one job of kind 4 carrying the command started.
#pragma once

#include <string>
#include <vector>

#include "link/MacText.h"
#include "link/TransmitJob.h"

namespace lumicord {

class AcTransmitManage;
class CSqlManagement;

// What a batch start writes to and starts jobs on.
class CAntiTheftTarget {
public:
    virtual ~CAntiTheftTarget() = default;
    virtual bool ResetStatuses() = 0;
    virtual bool SetAntiTheftStatus(const std::string& mac, int code) = 0;
    // Starts one transmitter thread carrying `job`; false when none could be started.
    virtual bool StartJob(const TransmitJob& job) = 0;
    virtual MacAddress AdapterMac() const = 0;
};

// The program's store and discovery manager.
class CLinkAntiTheftTarget final : public CAntiTheftTarget {
public:
    CLinkAntiTheftTarget(CSqlManagement& store, AcTransmitManage& manager)
        : m_store(store), m_manager(manager) {}
    bool ResetStatuses() override;
    bool SetAntiTheftStatus(const std::string& mac, int code) override;
    bool StartJob(const TransmitJob& job) override;
    MacAddress AdapterMac() const override;

private:
    CSqlManagement& m_store;
    AcTransmitManage& m_manager;
};

struct AntiTheftApplyResult {
    int started = 0;
    std::vector<std::string> notStarted; // MAC texts whose job did not start
};

// `macs` are MAC texts; one that does not read as a MAC gets no status and no job. A command
// too long for the job record is not cut: no job starts and every device is listed as not
// started (the statuses are still reset).
AntiTheftApplyResult ApplyToDevices(CAntiTheftTarget& target, const std::vector<std::string>& macs,
                                    const std::string& commandText);

} // namespace lumicord
