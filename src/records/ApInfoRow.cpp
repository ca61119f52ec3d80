#include "records/ApInfoRow.h"

#include <cstring>
#include <string>

#include "records/ApInfoText.h"
#include "records/CADORecordset.h"

namespace lumicord {
namespace {
ap_info_stu ZeroRow() {
    ap_info_stu row;
    std::memset(&row, 0, sizeof row);
    return row;
}

void ReadInto(CADORecordset& recordset, const char* field, char* target, std::size_t width,
              std::u16string& text) {
    text.clear();
    recordset.ReadText(field, text);
    FillField(target, width, text);
}

void ReadMacAndWireless(CADORecordset& recordset, ap_info_stu& row, std::u16string& text) {
    text.clear();
    recordset.ReadText("mac", text);
    FillField(row.mac, sizeof row.mac, TrimWhiteSpace(text));
    ReadInto(recordset, "ap_ssid2", row.ssid2, sizeof row.ssid2, text);
    ReadInto(recordset, "ap_ssid5", row.ssid5, sizeof row.ssid5, text);
    ReadInto(recordset, "ap_wpakey2", row.wpakey2, sizeof row.wpakey2, text);
    ReadInto(recordset, "ap_wpakey5", row.wpakey5, sizeof row.wpakey5, text);
}

std::int32_t ReadCode(CADORecordset& recordset, const char* field) {
    int code = 0;
    recordset.ReadInt(field, code);
    return code;
}
} // namespace

ap_info_stu ReadDeviceRow(CADORecordset& recordset) {
    ap_info_stu row = ZeroRow();
    std::u16string text;
    ReadMacAndWireless(recordset, row, text);
    ReadInto(recordset, "ap_date", row.date, sizeof row.date, text);
    row.para_status = ReadCode(recordset, "ap_para_status");
    row.logo_status = ReadCode(recordset, "ap_logo_status");
    row.antitheft_status = ReadCode(recordset, "ap_antitheft_status");
    return row;
}

ap_info_stu ReadWirelessRow(CADORecordset& recordset) {
    ap_info_stu row = ZeroRow();
    std::u16string text;
    ReadMacAndWireless(recordset, row, text);
    return row;
}

} // namespace lumicord
