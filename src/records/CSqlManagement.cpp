#include "records/CSqlManagement.h"

#include <cstring>
#include <filesystem>
#include <memory>

#include "app/LanguageTables.h"
#include "link/LinkFrame.h"
#include "platform/ProgramDirectory.h"
#include "platform/SystemMessage.h"
#include "platform/TextConversion.h"
#include "records/ApInfoRow.h"
#include "records/ApInfoText.h"

namespace lumicord {
namespace {
constexpr const char* kProvider = "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=";
constexpr const char* kDatabaseFileName = "data.mdb";
constexpr int kStatementAttempts = 3;

constexpr const char* kCreateTable =
    "CREATE TABLE ap_info(ID Counter,result char(4),mac char(18),ap_para_status int,"
    "ap_para_status_str char(33),ap_logo_status int,ap_logo_status_str char(33),"
    "ap_antitheft_status int,ap_antitheft_status_str char(33),ap_date char(33),ap_ssid2 "
    "char(33),ap_ssid5 char(33),ap_wpakey2 char(64),ap_wpakey5 char(64))";
// Every row operation looks its device up by MAC.
constexpr const char* kCreateMacIndex = "CREATE INDEX ap_info_mac ON ap_info(mac)";
// MAC and filter texts are bound to the ? marks, never written into the statement.
constexpr const char* kSelectDevice = "select * from ap_info where mac=?";
constexpr const char* kSelectAll = "select * from ap_info ";
constexpr const char* kUpdateResult = "update ap_info set result=? where mac=?";
constexpr const char* kWhereMacContains = " where ap_info.mac like ? escape '\\'";
constexpr const char* kSelectWireless = "select * from ap_info  where mac=?";
constexpr const char* kDeleteAll = "delete * from ap_info";
constexpr const char* kResetStatuses =
    "UPDATE ap_info SET ap_antitheft_status = 0,ap_antitheft_status_str = '',ap_logo_status = "
    "0,ap_logo_status_str = '',ap_para_status = 0,ap_para_status_str = '',result = ''";
constexpr const char16_t* kOpenFailedText = u"Failed to open database, unable to get data.";

std::mutex g_instanceMutex;
std::unique_ptr<CSqlManagement> g_instance;

std::u16string WideField(const char* field, std::size_t width) {
    return Utf8ToUtf16(FieldText(reinterpret_cast<const std::uint8_t*>(field), width));
}

void DeleteFile(const std::string& path) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}
} // namespace

CSqlManagement::CSqlManagement(std::string databasePath)
    : m_databasePath(std::move(databasePath)), m_connectionString(kProvider + m_databasePath) {
    DeleteFile(m_databasePath);
    std::error_code ec;
    if (!std::filesystem::exists(m_databasePath, ec) &&
        m_database.CreateDatabaseFile(m_connectionString) &&
        m_database.Connect(m_connectionString)) {
        ExecuteWithRetry(kCreateTable);
        ExecuteWithRetry(kCreateMacIndex);
        m_database.Disconnect();
    }
    if (!m_database.Connect(m_connectionString))
        ShowSystemMessage(Utf16ToUtf8(TranslateText(std::u16string_view(kOpenFailedText))));
    m_recordset.BindConnection(m_database);
}

CSqlManagement::~CSqlManagement() {
    {
        std::lock_guard lock(m_lock);
        m_recordset.CloseQuery();
        m_database.Disconnect();
    }
    DeleteFile(m_databasePath);
}

CSqlManagement& CSqlManagement::Instance() {
    std::lock_guard lock(g_instanceMutex);
    if (!g_instance)
        g_instance = std::make_unique<CSqlManagement>(ProgramDirectory() + kDatabaseFileName);
    return *g_instance;
}

void CSqlManagement::DestroyInstance() {
    std::unique_ptr<CSqlManagement> instance;
    {
        std::lock_guard lock(g_instanceMutex);
        instance = std::move(g_instance);
    }
}

bool CSqlManagement::OpenDevice(const std::string& mac) {
    return m_database.IsConnected() && m_recordset.OpenQuery(kSelectDevice, {Utf8ToUtf16(mac)});
}

bool CSqlManagement::AddDevice(ap_discover_stu device) {
    const std::u16string mac = WideField(device.mac, sizeof device.mac);
    const std::u16string date = WideField(device.found_time, sizeof device.found_time);
    const std::u16string ssid2 = WideField(device.ssid2, sizeof device.ssid2);
    const std::u16string ssid5 = WideField(device.ssid5, sizeof device.ssid5);
    const std::u16string wpakey2 = WideField(device.wpakey2, sizeof device.wpakey2);
    const std::u16string wpakey5 = WideField(device.wpakey5, sizeof device.wpakey5);
    const std::u16string waiting = OperateStatusText(WaitOperate);
    std::lock_guard lock(m_lock);
    if (!m_database.IsConnected() || !m_recordset.OpenQuery(kSelectDevice, {mac}))
        return false;
    if (m_recordset.CountRows() != 0)
        m_recordset.BeginEditRow();
    else
        m_recordset.BeginNewRow();
    m_recordset.WriteText("mac", mac);
    m_recordset.WriteInt("ap_para_status", WaitOperate);
    m_recordset.WriteText("ap_para_status_str", waiting);
    m_recordset.WriteInt("ap_logo_status", WaitOperate);
    m_recordset.WriteText("ap_logo_status_str", waiting);
    m_recordset.WriteInt("ap_antitheft_status", WaitOperate);
    m_recordset.WriteText("ap_antitheft_status_str", waiting);
    m_recordset.WriteText("ap_date", date);
    m_recordset.WriteText("ap_ssid2", ssid2);
    m_recordset.WriteText("ap_ssid5", ssid5);
    m_recordset.WriteText("ap_wpakey2", wpakey2);
    m_recordset.WriteText("ap_wpakey5", wpakey5);
    m_recordset.CommitRow();
    m_recordset.CloseQuery();
    return true;
}

bool CSqlManagement::WriteStatus(const std::string& mac, int code, const char* codeField,
                                 const char* textField) {
    const std::u16string text = OperateStatusText(code);
    std::lock_guard lock(m_lock);
    if (!OpenDevice(mac))
        return false;
    const bool found = m_recordset.CountRows() > 0;
    if (found) {
        m_recordset.BeginEditRow();
        m_recordset.WriteInt(codeField, code);
        m_recordset.WriteText(textField, text);
        m_recordset.CommitRow();
    }
    m_recordset.CloseQuery();
    return found;
}

bool CSqlManagement::SetParaStatus(const std::string& mac, int code) {
    return WriteStatus(mac, code, "ap_para_status", "ap_para_status_str");
}

bool CSqlManagement::SetLogoStatus(const std::string& mac, int code) {
    return WriteStatus(mac, code, "ap_logo_status", "ap_logo_status_str");
}

bool CSqlManagement::SetAntiTheftStatus(const std::string& mac, int code) {
    return WriteStatus(mac, code, "ap_antitheft_status", "ap_antitheft_status_str");
}

bool CSqlManagement::SetResult(const std::string& mac, int result) {
    std::lock_guard lock(m_lock);
    if (!OpenDevice(mac))
        return false;
    const bool found = m_recordset.CountRows() > 0;
    if (found) {
        m_recordset.BeginEditRow();
        m_recordset.WriteText("result", Utf8ToUtf16(std::to_string(result)));
        m_recordset.CommitRow();
    }
    m_recordset.CloseQuery();
    return found;
}

int CSqlManagement::SetResults(const std::vector<std::pair<std::string, int>>& results) {
    std::lock_guard lock(m_lock);
    if (!m_database.IsConnected())
        return 0;
    const bool inTransaction = m_database.RunStatement("BEGIN");
    int found = 0;
    for (const auto& [mac, result] : results) {
        const SqlParameters parameters = {Utf8ToUtf16(std::to_string(result)), Utf8ToUtf16(mac)};
        if (m_database.RunStatement(kUpdateResult, parameters) && m_database.RecordsAffected() > 0)
            ++found;
    }
    if (inTransaction)
        m_database.RunStatement("COMMIT");
    return found;
}

DeviceResult CSqlManagement::GetDeviceResult(const std::string& mac) {
    int para = 0;
    int logo = 0;
    int antiTheft = 0;
    {
        std::lock_guard lock(m_lock);
        if (!OpenDevice(mac))
            return ResultNotStarted;
        if (m_recordset.CountRows() > 0) {
            m_recordset.ReadInt("ap_para_status", para);
            m_recordset.ReadInt("ap_logo_status", logo);
            m_recordset.ReadInt("ap_antitheft_status", antiTheft);
        }
        m_recordset.CloseQuery();
    }
    return CombineStatuses(para, logo, antiTheft);
}

bool CSqlManagement::ListDevices(std::list<ap_info_stu>& rows, int& rowCount, int& successCount,
                                 int& failCount, bool ascending, int sortKey,
                                 const std::u16string& macFilter) {
    rowCount = 0;
    const char* column = sortKey == SortByMac      ? "mac"
                         : sortKey == SortByResult ? "result"
                                                   : nullptr;
    if (column == nullptr)
        return false;
    std::string sql = kSelectAll;
    SqlParameters parameters;
    if (!macFilter.empty()) {
        sql += kWhereMacContains;
        parameters.emplace_back(ContainsPattern(macFilter));
    }
    sql += std::string(" order by ap_info.") + column + (ascending ? " asc" : " desc");
    std::lock_guard lock(m_lock);
    if (!m_database.IsConnected() || !m_recordset.OpenQuery(sql, parameters))
        return false;
    rowCount = m_recordset.CountRows();
    for (int i = 0; i < rowCount; ++i) {
        const ap_info_stu row = ReadDeviceRow(m_recordset);
        const DeviceResult result =
            CombineStatuses(row.para_status, row.logo_status, row.antitheft_status);
        if (result == ResultSuccess)
            ++successCount;
        else if (result == ResultFailed)
            ++failCount;
        rows.push_back(row);
        m_recordset.NextRow();
    }
    m_recordset.CloseQuery();
    return true;
}

bool CSqlManagement::GetDeviceWireless(ap_info_stu& row, const std::u16string& mac) {
    std::memset(&row, 0, sizeof row);
    std::lock_guard lock(m_lock);
    if (!m_database.IsConnected())
        return false;
    const bool opened = mac.empty() ? m_recordset.OpenQuery(kSelectAll)
                                    : m_recordset.OpenQuery(kSelectWireless, {mac});
    if (!opened)
        return false;
    if (m_recordset.CountRows() > 0)
        row = ReadWirelessRow(m_recordset);
    m_recordset.CloseQuery();
    return true;
}

bool CSqlManagement::DeleteAll() {
    return ExecuteWithRetry(kDeleteAll);
}

bool CSqlManagement::ResetStatuses() {
    return ExecuteWithRetry(kResetStatuses);
}

bool CSqlManagement::ExecuteWithRetry(const std::string& sql) {
    for (int attempt = 0; attempt < kStatementAttempts; ++attempt) {
        std::lock_guard lock(m_lock);
        if (m_database.IsConnected() && m_database.RunStatement(sql))
            return true;
    }
    return false;
}

} // namespace lumicord
