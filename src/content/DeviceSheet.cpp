#include "content/DeviceSheet.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "content/XlsBook.h"
#include "platform/TextConversion.h"
#include "records/CSqlManagement.h"

namespace lumicord {
namespace {

constexpr std::size_t kCellBufferUnits = 259; // the reader's 260-character buffer, less its NUL
constexpr std::size_t kCellTextBytes = 127;

// A header text: `head`, the group number, then `tail`.
std::u16string Numbered(const char* head, int k, const char* tail = "") {
    return Utf8ToUtf16(head + std::to_string(k) + tail);
}

std::string Trimmed(std::string_view text) {
    const auto blank = [](char c) {
        return c == ' ' || (c >= '\t' && c <= '\r');
    };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}

bool HasVid(const config_value_stu& summary, int entry) {
    return DecimalValue(FieldText(summary.vid[entry])) != 0;
}

bool HasPpp(const config_value_stu& summary, int entry) {
    return DecimalValue(FieldText(summary.channelMode[entry])) == 2;
}

// Writes one row of cells from column 0 on.
class RowWriter {
public:
    RowWriter(XlsSheet& sheet, std::uint32_t row) : m_sheet(sheet), m_row(row) {}
    void Put(std::u16string_view text) { m_sheet.WriteStr(m_row, m_column++, text); }
    void Put(std::string_view text) { Put(Utf8ToUtf16(text)); }

private:
    XlsSheet& m_sheet;
    std::uint32_t m_row;
    std::uint32_t m_column = 0;
};

void WriteHeader(XlsSheet& sheet, const config_value_stu& summary, bool wireless) {
    RowWriter row(sheet, 0);
    row.Put(u"mac(*This column cannot be modified*)");
    const int count = std::clamp<int>(summary.wanCount, 0, kMaxWanEntries);
    for (int e = 0; e < count; ++e) {
        row.Put(Numbered("WanName", e + 1, "(*This column cannot be modified*)"));
        if (HasVid(summary, e))
            row.Put(Numbered("vid", e + 1));
        if (HasPpp(summary, e)) {
            row.Put(Numbered("pppUser", e + 1));
            row.Put(Numbered("pppPassword", e + 1));
        }
    }
    if (wireless && summary.has5g) {
        row.Put(u"ssid_5g");
        row.Put(u"wlanPsk_5g");
    }
    if (wireless) {
        row.Put(u"ssid_2.4g");
        row.Put(u"wlanPsk_2.4g");
    }
    for (const char16_t* name : {u"loid", u"loidPassword", u"ploamPassword", u"loginPassword"})
        row.Put(std::u16string_view(name));
}

void WriteDeviceRow(XlsSheet& sheet, std::uint32_t r, const std::string& mac,
                    const config_value_stu& summary, bool wireless, const ap_info_stu& stored) {
    RowWriter row(sheet, r);
    row.Put(mac);
    const int count = std::clamp<int>(summary.wanCount, 0, kMaxWanEntries);
    for (int e = 0; e < count; ++e) {
        row.Put(FieldText(summary.wanName[e]));
        if (HasVid(summary, e))
            row.Put(FieldText(summary.vid[e]));
        if (HasPpp(summary, e)) {
            row.Put(FieldText(summary.pppUser[e]));
            row.Put(FieldText(summary.pppPassword[e]));
        }
    }
    if (wireless && summary.has5g) {
        row.Put(Trimmed(FieldText(stored.ssid5)));
        row.Put(Trimmed(FieldText(stored.wpakey5)));
    }
    if (wireless) {
        row.Put(Trimmed(FieldText(stored.ssid2)));
        row.Put(Trimmed(FieldText(stored.wpakey2)));
    }
    row.Put(FieldText(summary.loid));
    row.Put(FieldText(summary.loidPassword));
    row.Put(FieldText(summary.ploamPassword));
    row.Put(FieldText(summary.loginPassword));
}

// A cell as the reader takes it: at most 259 UTF-16 units, then at most 127 UTF-8 bytes.
std::string CellText(const XlsSheet& sheet, std::uint32_t row, std::uint32_t column) {
    const std::optional<std::u16string> cell = sheet.ReadStr(row, column);
    if (!cell)
        return {};
    std::string text = Utf16ToUtf8(CutUtf16(*cell, kCellBufferUnits));
    char cut[kCellTextBytes + 1];
    SetFieldText(cut, sizeof cut, text);
    return cut;
}

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// The number of WAN groups whose header cells all match the summary's columns.
int ScanWanGroups(const XlsSheet& sheet, const config_value_stu& summary) {
    std::uint32_t column = 1;
    for (int k = 1; k <= kMaxWanEntries; ++k) {
        const int e = k - 1;
        if (!StartsWith(CellText(sheet, 0, column), "WanName" + std::to_string(k)))
            return e;
        ++column;
        std::vector<std::string> exact;
        if (HasVid(summary, e))
            exact.push_back("vid" + std::to_string(k));
        if (HasPpp(summary, e)) {
            exact.push_back("pppUser" + std::to_string(k));
            exact.push_back("pppPassword" + std::to_string(k));
        }
        for (const std::string& header : exact)
            if (CellText(sheet, 0, column++) != header)
                return e;
    }
    return kMaxWanEntries;
}

} // namespace

bool WriteDeviceSheet(DeviceContent& content, CSqlManagement& store,
                      const std::string& programDirectory, const LocalTime& now,
                      std::string& note) {
    char name[96];
    std::snprintf(name, sizeof name, "ModifyExcel/ExcelFiels%04d-%02d-%02d-%02d-%02d-%02d.xls",
                  now.year, now.month, now.day, now.hour, now.minute, now.second);
    return WriteDeviceSheetTo(content, store, programDirectory + "ExcelTemplate/Template.xls",
                              programDirectory + name, note);
}

bool WriteDeviceSheetTo(DeviceContent& content, CSqlManagement& store,
                        const std::string& templatePath, const std::string& path,
                        std::string& note) {
    std::error_code error;
    std::filesystem::copy_file(templatePath, path,
                               std::filesystem::copy_options::overwrite_existing, error);
    content.sheetPath = path;

    XlsBook book;
    if (!book.Load(path)) {
        note = "Failed to load the excel file!";
        return false;
    }
    XlsSheet* sheet = book.GetSheet(0);
    if (sheet == nullptr)
        return false;
    for (std::size_t i = 0; i < content.macs.size(); ++i) {
        ap_info_stu stored{};
        store.GetDeviceWireless(stored, Utf8ToUtf16(content.macs[i]));
        if (i == 0) {
            // Fixed-width columns come back padded: the first device's wireless values decide
            // whether the sheet carries SSID and key columns.
            content.wirelessColumns = !Trimmed(FieldText(stored.ssid2)).empty() ||
                                      !Trimmed(FieldText(stored.ssid5)).empty();
            WriteHeader(*sheet, content.summary, content.wirelessColumns);
        }
        WriteDeviceRow(*sheet, static_cast<std::uint32_t>(i + 1), content.macs[i], content.summary,
                       content.wirelessColumns, stored);
    }
    return book.Save(path);
}

bool ReadDeviceSheet(DeviceContent& content) {
    XlsBook book;
    if (!book.Load(content.sheetPath))
        return false;
    const XlsSheet* sheet = book.GetSheet(0);
    if (sheet == nullptr)
        return false;
    content.rows.clear();
    if (!StartsWith(CellText(*sheet, 0, 0), "mac"))
        return false;
    const config_value_stu& summary = content.summary;
    config_value_stu record{};
    record.wanCount = ScanWanGroups(*sheet, summary);
    for (std::size_t i = 0; i < content.macs.size(); ++i) {
        const auto r = static_cast<std::uint32_t>(i + 1);
        std::uint32_t column = 0;
        const auto next = [&] {
            return CellText(*sheet, r, column++);
        };
        SetField(record.mac, next());
        for (int e = 0; e < record.wanCount; ++e) {
            SetField(record.wanName[e], next());
            if (HasVid(summary, e))
                SetField(record.vid[e], next());
            if (HasPpp(summary, e)) {
                SetField(record.pppUser[e], next());
                SetField(record.pppPassword[e], next());
            }
        }
        if (content.wirelessColumns) {
            if (summary.has5g) {
                SetField(record.ssid5g, next());
                SetField(record.wlanPsk5g, next());
            }
            SetField(record.ssid24g, next());
            SetField(record.wlanPsk24g, next());
        }
        SetField(record.loid, next());
        SetField(record.loidPassword, next());
        SetField(record.ploamPassword, next());
        SetField(record.loginPassword, next());
        content.rows.push_back(record);
    }
    return true;
}

bool SheetHasWirelessColumns(const std::string& sheetPath) {
    XlsBook book;
    if (!book.Load(sheetPath) || book.GetSheet(0) == nullptr)
        return false;
    const XlsSheet& sheet = *book.GetSheet(0);
    for (std::uint32_t c = 0; c < kXlsMaxColumns; ++c)
        if (CellText(sheet, 0, c) == "ssid_2.4g")
            return true;
    return false;
}

} // namespace lumicord
