// What the device customization page keeps between its steps: the selected devices, the
// source configuration and its summary, the per-device spreadsheet and the rows read from it.
#pragma once

#include <string>
#include <vector>

#include "content/ConfigValueStu.h"

namespace lumicord {

struct DeviceContent {
    std::vector<std::string> macs; // selected devices, upper-case MAC texts in list order
    std::string sourcePath;        // the chosen XML or JSON configuration
    config_value_stu summary{};    // read from the source configuration
    std::string sheetPath;         // the last generated spreadsheet; empty when none
    // On when the spreadsheet carries the SSID and WPA key columns; set when a sheet is
    // generated and used when it is read back, validated and applied.
    bool wirelessColumns = false;
    std::vector<config_value_stu> rows; // read from the spreadsheet, in sheet order
    std::string deviceConfigPath;       // the per-device file made last
};

// Which fields of a row have a column in the spreadsheet. A field without one keeps the source
// configuration's value when the per-device file is made.
struct SheetColumns {
    bool wireless = false; // ssid_2.4g and wlanPsk_2.4g
    bool wireless5g = false;
    int wanGroups = 0; // WAN groups of the row; entries beyond it have no column at all
    bool vid[kMaxWanEntries] = {};
    bool ppp[kMaxWanEntries] = {};
};

SheetColumns ColumnsOfRow(const config_value_stu& summary, bool wirelessColumns,
                          const config_value_stu& row);

// The sheet's row for each selected device. When the sheet's mac column holds exactly the
// selected MACs, each once, rows are matched by MAC, so sorting the sheet in the spreadsheet
// application cannot hand one device's settings to another; otherwise row i is device i's.
// Devices without a row get an all-zero record.
std::vector<config_value_stu> RowsForDevices(const std::vector<config_value_stu>& rows,
                                             const std::vector<std::string>& macs);

} // namespace lumicord
