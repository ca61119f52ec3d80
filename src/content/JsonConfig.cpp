#include "content/JsonConfig.h"

#include <filesystem>
#include <optional>

#include "content/CJsonFile.h"
#include "content/XmlConfig.h"

namespace lumicord {
namespace {

constexpr const char* kLoidTable = "REMOTEMGT_LOID_REG_ATTR_TAB";
constexpr const char* kPloamTable = "REMOTEMGT_PASSWORD_REG_ATTR_TAB";
constexpr const char* kAccountTable = "SYSMNG_ACCOUNT_ATTR_TAB";
constexpr const char* kSsidTable = "WLAN_SSID_ATTR_CFG_TAB";
constexpr const char* kWanTable = "WAN_CONNECTION_ATTR_TAB";
constexpr Json::ArrayIndex kSsid5gElement = 8;

std::string MissingKey(const char* key) {
    return std::string("The key ") + key + " does not exist.";
}

bool HasKey(const Json::Value& root, const char* key) {
    return root.isObject() && root.isMember(key);
}

// Element `index` of table `key` when the table is an array that has it and it is an object.
const Json::Value* Element(const Json::Value& root, const char* key, Json::ArrayIndex index) {
    if (!HasKey(root, key))
        return nullptr;
    const Json::Value& table = root[key];
    if (!table.isArray() || table.size() <= index || !table[index].isObject())
        return nullptr;
    return &table[index];
}

Json::Value* Element(Json::Value& root, const char* key, Json::ArrayIndex index) {
    return const_cast<Json::Value*>(Element(static_cast<const Json::Value&>(root), key, index));
}

// Reads a string member into `field`; true when the member is there and is a string.
template <std::size_t N>
bool ReadText(const Json::Value* element, const char* member, char (&field)[N]) {
    if (element == nullptr || !element->isMember(member) || !(*element)[member].isString())
        return false;
    SetField(field, (*element)[member].asString());
    return true;
}

// An integer member's value, when it is there and fits an int.
std::optional<int> ReadInt(const Json::Value* element, const char* member) {
    if (element == nullptr || !element->isMember(member) || !(*element)[member].isInt())
        return std::nullopt;
    return (*element)[member].asInt();
}

template <std::size_t N>
void Assign(Json::Value* element, const char* member, const char (&field)[N], bool hasColumn) {
    if (element != nullptr && hasColumn && element->isMember(member))
        (*element)[member] = std::string(FieldText(field));
}

} // namespace

bool ReadJsonSummary(std::string& error, config_value_stu& summary, const std::string& sourcePath) {
    summary = config_value_stu{};
    CJsonFile file;
    if (!file.Load(sourcePath)) {
        error = "Failed to load the JSON file.";
        return false;
    }
    const Json::Value& root = file.Root();
    for (const char* key : {kLoidTable, kPloamTable, kAccountTable, kSsidTable})
        if (!HasKey(root, key)) {
            error = MissingKey(key);
            return false;
        }
    ReadText(Element(root, kLoidTable, 0), "aucLoidName", summary.loid);
    ReadText(Element(root, kLoidTable, 0), "aucLoidPasswd", summary.loidPassword);
    ReadText(Element(root, kPloamTable, 0), "aucPasswd", summary.ploamPassword);
    ReadText(Element(root, kAccountTable, 0), "aucUserAccountPassword", summary.loginPassword);
    const Json::Value* first = Element(root, kSsidTable, 0);
    const Json::Value* fifth = Element(root, kSsidTable, kSsid5gElement);
    const bool ssid24 = ReadText(first, "aucSSIDName", summary.ssid24g);
    ReadText(first, "aucPreSharedKey", summary.wlanPsk24g);
    const bool ssid5 = ReadText(fifth, "aucSSIDName", summary.ssid5g);
    ReadText(fifth, "aucPreSharedKey", summary.wlanPsk5g);

    if (HasKey(root, kWanTable) && root[kWanTable].isArray() && !root[kWanTable].empty()) {
        const Json::ArrayIndex size = root[kWanTable].size();
        // The record holds ten entries; later ones are not read.
        for (Json::ArrayIndex i = 0; i < size && i < kMaxWanEntries; ++i) {
            const Json::Value* wan = Element(root, kWanTable, i);
            if (wan == nullptr)
                continue;
            ReadText(wan, "aucWanName", summary.wanName[i]);
            if (ReadInt(wan, "ucAddressingType") == 3)
                SetField(summary.channelMode[i], "2");
            if (const auto vid = ReadInt(wan, "ulVlanIdMark"))
                SetField(summary.vid[i], std::to_string(*vid));
            ReadText(wan, "aucUsername", summary.pppUser[i]);
            ReadText(wan, "aucPassword", summary.pppPassword[i]);
        }
        summary.wanCount = static_cast<std::int32_t>(
            size < static_cast<Json::ArrayIndex>(kMaxWanEntries) ? size : kMaxWanEntries);
    }
    summary.has5g = ssid24 && ssid5 ? 1 : 0;
    return true;
}

bool RewriteJson(std::string& error, const config_value_stu& row, const SheetColumns& columns,
                 const std::string& outputPath) {
    CJsonFile file;
    if (!file.Load(outputPath)) {
        error = "Failed to load the JSON file.";
        return false;
    }
    Json::Value& root = file.Root();
    for (const char* key : {kLoidTable, kPloamTable, kAccountTable, kSsidTable})
        if (!HasKey(root, key)) {
            error = MissingKey(key);
            return false;
        }
    Assign(Element(root, kLoidTable, 0), "aucLoidName", row.loid, true);
    Assign(Element(root, kLoidTable, 0), "aucLoidPasswd", row.loidPassword, true);
    Assign(Element(root, kPloamTable, 0), "aucPasswd", row.ploamPassword, true);
    Assign(Element(root, kAccountTable, 0), "aucUserAccountPassword", row.loginPassword, true);
    Json::Value* first = Element(root, kSsidTable, 0);
    Assign(first, "aucSSIDName", row.ssid24g, columns.wireless);
    Assign(first, "aucPreSharedKey", row.wlanPsk24g, columns.wireless);
    Json::Value* fifth = Element(root, kSsidTable, kSsid5gElement);
    Assign(fifth, "aucSSIDName", row.ssid5g, columns.wireless5g);
    Assign(fifth, "aucPreSharedKey", row.wlanPsk5g, columns.wireless5g);

    if (HasKey(root, kWanTable) && root[kWanTable].isArray() && !root[kWanTable].empty()) {
        const Json::ArrayIndex size = root[kWanTable].size();
        for (Json::ArrayIndex i = 0; i < size && i < kMaxWanEntries; ++i) {
            Json::Value* wan = Element(root, kWanTable, i);
            const bool inSheet = static_cast<int>(i) < columns.wanGroups;
            Assign(wan, "aucWanName", row.wanName[i], inSheet);
            if (wan != nullptr && columns.vid[i] && wan->isMember("ulVlanIdMark"))
                (*wan)["ulVlanIdMark"] = DecimalValue(FieldText(row.vid[i]));
            Assign(wan, "aucUsername", row.pppUser[i], columns.ppp[i]);
            Assign(wan, "aucPassword", row.pppPassword[i], columns.ppp[i]);
        }
    }
    if (!file.Save(outputPath)) {
        error = "The json SaveToFile fail.";
        return false;
    }
    return true;
}

bool MakeDeviceJson(DeviceContent& content, const config_value_stu& row, const std::string& mac,
                    const std::string& folder, std::string& note) {
    content.deviceConfigPath = folder + DeviceFileName(mac, ".json");
    std::error_code error;
    if (!std::filesystem::copy_file(content.sourcePath, content.deviceConfigPath,
                                    std::filesystem::copy_options::overwrite_existing, error)) {
        // The device would otherwise get a stale or missing file.
        note = "The json SaveToFile fail.";
        return false;
    }
    if (content.sheetPath.empty())
        return true;
    const SheetColumns columns = ColumnsOfRow(content.summary, content.wirelessColumns, row);
    return RewriteJson(note, row, columns, content.deviceConfigPath);
}

} // namespace lumicord
