#include "content/XmlConfig.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

#include "content/XmlText.h"

namespace lumicord {
namespace {

constexpr std::string_view kSettingHead = "<Value Name=\"";

std::optional<std::vector<std::string>> ReadLines(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    const std::string text((std::istreambuf_iterator<char>(file)),
                           std::istreambuf_iterator<char>());
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const std::size_t next = end == std::string::npos ? text.size() : end + 1;
        if (end == std::string::npos)
            end = text.size();
        if (end > start && text[end - 1] == '\r')
            --end;
        lines.emplace_back(text, start, end - start);
        start = next;
    }
    return lines;
}

bool Has(const std::string& line, std::string_view piece) {
    return line.find(piece) != std::string::npos;
}

// Whether the line holds the setting `name`: <Value Name="name" Value
bool HasSetting(const std::string& line, std::string_view name) {
    return Has(line, std::string(kSettingHead) + std::string(name) + "\" Value");
}

// The raw value of setting `name` on the line, decoded, when the line holds it.
std::optional<std::string> SettingValue(const std::string& line, std::string_view name) {
    const std::string head = std::string(kSettingHead) + std::string(name) + "\" Value=\"";
    const std::size_t at = line.find(head);
    if (at == std::string::npos)
        return std::nullopt;
    const std::size_t from = at + head.size();
    const std::size_t end = line.find("\"/>", from);
    if (end == std::string::npos)
        return std::string();
    return DecodeXmlValue(std::string_view(line).substr(from, end - from));
}

std::string SettingLine(std::string_view name, std::string_view value) {
    return "  " + std::string(kSettingHead) + std::string(name) + "\" Value=\"" +
           EscapeXmlValue(value) + "\"/>";
}

// The rule engine of one rewrite: every source line becomes one output line.
class XmlRewriter {
public:
    XmlRewriter(const config_value_stu& row, bool has5g, const SheetColumns& columns)
        : m_row(row), m_has5g(has5g), m_columns(columns) {}

    std::string Line(const std::string& line) {
        if (auto out = Access(line))
            return *out;
        if (auto out = m_has5g ? TwoRadios(line) : OneRadio(line))
            return *out;
        if (auto out = Wan(line))
            return *out;
        return line;
    }

private:
    // A matched rule: the setting line with the row's value, or the line unchanged when the
    // sheet has no column for the field.
    std::string Replace(const std::string& line, std::string_view name, std::string_view value,
                        bool hasColumn) const {
        return hasColumn ? SettingLine(name, value) : line;
    }

    std::optional<std::string> Access(const std::string& line) const {
        const config_value_stu& r = m_row;
        if (HasSetting(line, "GPON_PLOAM_PASSWD"))
            return SettingLine("GPON_PLOAM_PASSWD", FieldText(r.ploamPassword));
        if (HasSetting(line, "LOID_PASSWD_OLD"))
            return SettingLine("LOID_PASSWD_OLD", FieldText(r.loidPassword));
        if (HasSetting(line, "LOID_OLD"))
            return SettingLine("LOID_OLD", FieldText(r.loid));
        if (HasSetting(line, "LOID_PASSWD"))
            return SettingLine("LOID_PASSWD", FieldText(r.loidPassword));
        if (HasSetting(line, "LOID"))
            return SettingLine("LOID", FieldText(r.loid));
        if (HasSetting(line, "SUSER_PASSWORD"))
            return SettingLine("SUSER_PASSWORD", FieldText(r.loginPassword));
        return std::nullopt;
    }

    // Two radios: the first is the 5 GHz one, the second (WLAN1_) the 2.4 GHz one.
    std::optional<std::string> TwoRadios(const std::string& line) {
        const config_value_stu& r = m_row;
        const bool w24 = m_columns.wireless, w5 = m_columns.wireless5g;
        if (HasSetting(line, "WSC_PSK"))
            return Replace(line, "WSC_PSK", FieldText(r.wlanPsk5g), w5);
        if (HasSetting(line, "WLAN1_WSC_PSK"))
            return Replace(line, "WLAN1_WSC_PSK", FieldText(r.wlanPsk24g), w24);
        if (HasSetting(line, "WLAN1_WPA_PSK"))
            return Replace(line, "WLAN1_WPA_PSK", FieldText(r.wlanPsk24g), w24);
        if (HasSetting(line, "WLAN1_SSID"))
            return Replace(line, "WLAN1_SSID", FieldText(r.ssid24g), w24);
        if (HasSetting(line, "WLAN_WPA_PSK"))
            return Replace(line, "WLAN_WPA_PSK", FieldText(r.wlanPsk5g), w5);
        if (HasSetting(line, "SSID") && m_firstSsid == 0) {
            ++m_firstSsid;
            return Replace(line, "SSID", FieldText(r.ssid5g), w5);
        }
        if (auto out = Table(line, "WLAN1_MBSSIB_TBL", m_second, r.ssid24g, r.wlanPsk24g, w24))
            return out;
        return Table(line, "WLAN_MBSSIB_TBL", m_first, r.ssid5g, r.wlanPsk5g, w5);
    }

    std::optional<std::string> OneRadio(const std::string& line) {
        const config_value_stu& r = m_row;
        const bool w = m_columns.wireless;
        if (HasSetting(line, "ssid") && m_firstSsid == 0) {
            ++m_firstSsid;
            return Replace(line, "ssid", FieldText(r.ssid24g), w);
        }
        if (HasSetting(line, "WLAN_WPA_PSK") && m_firstKey == 0) {
            ++m_firstKey;
            return Replace(line, "WLAN_WPA_PSK", FieldText(r.wlanPsk24g), w);
        }
        return Table(line, "WLAN_MBSSIB_TBL", m_first, r.ssid24g, r.wlanPsk24g, w);
    }

    struct TableState {
        bool in = false;
        bool seen = false;
    };

    // The first entry of an SSID table, up to its wpaPSK setting.
    template <std::size_t S, std::size_t K>
    std::optional<std::string> Table(const std::string& line, std::string_view table,
                                     TableState& state, const char (&ssid)[S], const char (&key)[K],
                                     bool hasColumn) const {
        if (Has(line, table) && !state.seen) {
            state.seen = true;
            state.in = true;
        }
        if (!state.in)
            return std::nullopt;
        if (HasSetting(line, "wscPsk"))
            return Replace(line, "wscPsk", FieldText(key), hasColumn);
        if (HasSetting(line, "ssid"))
            return Replace(line, "ssid", FieldText(ssid), hasColumn);
        if (HasSetting(line, "wpaPSK")) {
            state.in = false;
            return Replace(line, "wpaPSK", FieldText(key), hasColumn);
        }
        return std::nullopt;
    }

    std::optional<std::string> Wan(const std::string& line) {
        const int count = std::clamp<int>(m_row.wanCount, 0, kMaxWanEntries);
        if (Has(line, "ATM_VC_TBL") && m_entry < count) {
            m_inWan = true;
            ++m_entry;
        }
        if (!m_inWan)
            return std::nullopt;
        const int e = m_entry - 1;
        if (HasSetting(line, "vid"))
            return Replace(line, "vid", FieldText(m_row.vid[e]), m_columns.vid[e]);
        if (HasSetting(line, "pppPasswd"))
            return Replace(line, "pppPasswd", FieldText(m_row.pppPassword[e]), m_columns.ppp[e]);
        if (HasSetting(line, "pppUser"))
            return Replace(line, "pppUser", FieldText(m_row.pppUser[e]), m_columns.ppp[e]);
        if (HasSetting(line, "ChannelMode") && m_entry == count)
            m_inWan = false;
        return std::nullopt;
    }

    const config_value_stu& m_row;
    const bool m_has5g;
    const SheetColumns& m_columns;
    int m_firstSsid = 0;
    int m_firstKey = 0;
    TableState m_first;  // WLAN_MBSSIB_TBL
    TableState m_second; // WLAN1_MBSSIB_TBL
    int m_entry = 0;     // WAN entries entered so far
    bool m_inWan = false;
};

} // namespace

bool ReadXmlSummary(config_value_stu& summary, const std::string& sourcePath) {
    summary = config_value_stu{};
    const std::optional<std::vector<std::string>> lines = ReadLines(sourcePath);
    if (!lines)
        return false;
    int entry = 0;
    bool inWan = false, firstRadio = false, secondRadio = false;
    for (const std::string& line : *lines) {
        secondRadio = secondRadio || Has(line, "WLAN1_");
        firstRadio = firstRadio || Has(line, "WLAN_");
        if (auto v = SettingValue(line, "GPON_PLOAM_PASSWD")) {
            SetField(summary.ploamPassword, *v);
            continue;
        }
        if (auto v = SettingValue(line, "LOID_PASSWD_OLD")) {
            SetField(summary.loidPassword, *v);
            continue;
        }
        if (auto v = SettingValue(line, "LOID_OLD")) {
            SetField(summary.loid, *v);
            continue;
        }
        if (auto v = SettingValue(line, "SUSER_PASSWORD")) {
            SetField(summary.loginPassword, *v);
            continue;
        }
        if (Has(line, "ATM_VC_TBL") && entry < kMaxWanEntries)
            inWan = true;
        // Entries after the tenth have no place in the record.
        if (!inWan || entry >= kMaxWanEntries)
            continue;
        // The first WAN setting the line holds goes to the current entry; ChannelMode ends it.
        const std::pair<const char*, char*> wanFields[] = {
            {"WanName", summary.wanName[entry]},
            {"vid", summary.vid[entry]},
            {"pppPasswd", summary.pppPassword[entry]},
            {"pppUser", summary.pppUser[entry]},
            {"ChannelMode", summary.channelMode[entry]}};
        for (const auto& [name, field] : wanFields) {
            const auto value = SettingValue(line, name);
            if (!value)
                continue;
            const bool last = field == summary.channelMode[entry];
            SetFieldText(field, last ? sizeof summary.channelMode[0] : sizeof summary.vid[0],
                         *value);
            if (last)
                ++entry;
            break;
        }
    }
    summary.wanCount = entry;
    summary.has5g = firstRadio && secondRadio ? 1 : 0;
    return true;
}

bool RewriteXml(const config_value_stu& row, bool has5g, const SheetColumns& columns,
                const std::string& sourcePath, const std::string& outputPath) {
    const std::optional<std::vector<std::string>> lines = ReadLines(sourcePath);
    if (!lines)
        return false;
    XmlRewriter rewriter(row, has5g, columns);
    std::string out;
    for (const std::string& line : *lines)
        out += rewriter.Line(line) + "\r\n";
    std::ofstream file(outputPath, std::ios::binary | std::ios::trunc);
    if (!file)
        return false;
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    file.close();
    return !file.fail();
}

std::string DeviceFileName(const std::string& mac, const char* extension) {
    std::string name;
    for (const char c : mac)
        if (c != ':')
            name += c;
    return name + extension;
}

bool MakeDeviceXml(DeviceContent& content, const config_value_stu& row, const std::string& mac,
                   const std::string& folder, std::string& note) {
    content.deviceConfigPath = folder + DeviceFileName(mac, ".xml");
    if (content.sheetPath.empty()) {
        // A copy that fails is a failure: the device would otherwise get a stale file.
        std::error_code error;
        if (std::filesystem::copy_file(content.sourcePath, content.deviceConfigPath,
                                       std::filesystem::copy_options::overwrite_existing, error))
            return true;
        note = "Modify New Xml file fail!";
        return false;
    }
    const SheetColumns columns = ColumnsOfRow(content.summary, content.wirelessColumns, row);
    if (!RewriteXml(row, content.summary.has5g != 0, columns, content.sourcePath,
                    content.deviceConfigPath)) {
        note = "Modify New Xml file fail!";
        return false;
    }
    return true;
}

} // namespace lumicord
