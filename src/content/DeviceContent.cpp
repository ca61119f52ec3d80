#include "content/DeviceContent.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace lumicord {
namespace {

std::string NormalMac(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    std::string mac(text);
    for (char& c : mac)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return mac;
}

} // namespace

SheetColumns ColumnsOfRow(const config_value_stu& summary, bool wirelessColumns,
                          const config_value_stu& row) {
    SheetColumns columns;
    columns.wireless = wirelessColumns;
    columns.wireless5g = wirelessColumns && summary.has5g != 0;
    columns.wanGroups = std::clamp<int>(row.wanCount, 0, kMaxWanEntries);
    for (int k = 0; k < columns.wanGroups; ++k) {
        columns.vid[k] = DecimalValue(FieldText(summary.vid[k])) != 0;
        columns.ppp[k] = DecimalValue(FieldText(summary.channelMode[k])) == 2;
    }
    return columns;
}

std::vector<config_value_stu> RowsForDevices(const std::vector<config_value_stu>& rows,
                                             const std::vector<std::string>& macs) {
    std::vector<config_value_stu> out(macs.size(), config_value_stu{});
    std::map<std::string, std::size_t> rowOfMac;
    for (std::size_t r = 0; r < rows.size(); ++r)
        rowOfMac.emplace(NormalMac(FieldText(rows[r].mac)), r);
    bool byMac = rows.size() == macs.size() && rowOfMac.size() == rows.size();
    for (std::size_t i = 0; byMac && i < macs.size(); ++i)
        byMac = rowOfMac.count(NormalMac(macs[i])) == 1;
    for (std::size_t i = 0; i < macs.size(); ++i) {
        if (byMac)
            out[i] = rows[rowOfMac.at(NormalMac(macs[i]))];
        else if (i < rows.size())
            out[i] = rows[i];
    }
    return out;
}

} // namespace lumicord
