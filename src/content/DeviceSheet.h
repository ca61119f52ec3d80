// The per-device spreadsheet: written from the template with one row per selected device,
// edited by the user, read back into one config_value_stu per row.
#pragma once

#include <string>

#include "content/DeviceContent.h"
#include "platform/LocalClock.h"

namespace lumicord {

class CSqlManagement;

// Generates ModifyExcel/ExcelFiels<date-time>.xls in `programDirectory` from
// ExcelTemplate/Template.xls for the summary and the selected devices, with each device's
// stored wireless values from `store`; sets content.sheetPath and content.wirelessColumns.
// On failure `note` may receive a message for the user ("Failed to load the excel file!").
bool WriteDeviceSheet(DeviceContent& content, CSqlManagement& store,
                      const std::string& programDirectory, const LocalTime& now, std::string& note);

// The same with the template and the sheet named: writes `sheetPath` from `templatePath`.
bool WriteDeviceSheetTo(DeviceContent& content, CSqlManagement& store,
                        const std::string& templatePath, const std::string& sheetPath,
                        std::string& note);

// Reads content.sheetPath back into content.rows (one row per selected device, sheet order),
// with the WAN columns the summary leads the header scan to expect. False when the workbook
// cannot be read or cell A1 does not begin with "mac".
bool ReadDeviceSheet(DeviceContent& content);

// Whether the sheet's header row holds the ssid_2.4g column; false when it cannot be read.
bool SheetHasWirelessColumns(const std::string& sheetPath);

} // namespace lumicord
