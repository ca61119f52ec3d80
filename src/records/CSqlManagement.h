// The device result store: one row per device found in this run, keyed by its MAC text, with
// what discovery reported and the status of each operation pushed to it. Every operation holds
// the store's one lock for its whole database work, so any thread may call it.
#pragma once

#include <list>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "link/ApDiscoverStu.h"
#include "records/ApInfoStu.h"
#include "records/CADODatabase.h"
#include "records/CADORecordset.h"
#include "records/OperateStatus.h"

namespace lumicord {

enum SortKey : int {
    SortByMac = 2,
    SortByResult = 3,
};

class CSqlManagement {
public:
    // Opens a fresh store in `databasePath` (the file is deleted first, and again at
    // destruction).
    explicit CSqlManagement(std::string databasePath);
    virtual ~CSqlManagement();
    CSqlManagement(const CSqlManagement&) = delete;
    CSqlManagement& operator=(const CSqlManagement&) = delete;

    // The process's store in <program directory>data.mdb, created on first call.
    static CSqlManagement& Instance();
    // Destroys the process's store (idempotent); the application calls it at shutdown.
    static void DestroyInstance();

    bool AddDevice(ap_discover_stu device);
    bool SetParaStatus(const std::string& mac, int code);
    bool SetLogoStatus(const std::string& mac, int code);
    bool SetAntiTheftStatus(const std::string& mac, int code);
    bool SetResult(const std::string& mac, int result);
    // SetResult for several devices in one transaction: one commit instead of one per device.
    // Returns how many of them had a row.
    int SetResults(const std::vector<std::pair<std::string, int>>& results);
    DeviceResult GetDeviceResult(const std::string& mac);
    bool ListDevices(std::list<ap_info_stu>& rows, int& rowCount, int& successCount, int& failCount,
                     bool ascending, int sortKey, const std::u16string& macFilter);
    bool GetDeviceWireless(ap_info_stu& row, const std::u16string& mac);
    bool DeleteAll();
    bool ResetStatuses();
    // Runs `sql` up to three times, taking the lock for each attempt; true at the first success.
    bool ExecuteWithRetry(const std::string& sql);

    const std::string& DatabasePath() const { return m_databasePath; }

private:
    // Opens the rows of `mac` into the recordset; the caller holds the lock.
    bool OpenDevice(const std::string& mac);
    bool WriteStatus(const std::string& mac, int code, const char* codeField,
                     const char* textField);

    CADORecordset m_recordset;
    CADODatabase m_database;
    std::recursive_mutex m_lock;
    std::string m_databasePath;
    std::string m_connectionString;
};

} // namespace lumicord
