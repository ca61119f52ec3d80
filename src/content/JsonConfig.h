// JSON device configurations: the source summary, and the per-device copy with the device's
// spreadsheet values assigned to its settings tables.
#pragma once

#include <string>

#include "content/DeviceContent.h"

namespace lumicord {

// Reads LOID, PLOAM and login passwords, both SSIDs with their keys and the WAN table of
// `sourcePath` into `summary`. On failure `error` holds the message for the user.
bool ReadJsonSummary(std::string& error, config_value_stu& summary, const std::string& sourcePath);

// Assigns the row's values in the JSON file `outputPath` and saves it styled. Fields without a
// column in the sheet are left as they are. On failure `error` holds the message (the file is
// then unchanged).
bool RewriteJson(std::string& error, const config_value_stu& row, const SheetColumns& columns,
                 const std::string& outputPath);

// Makes <MAC without colons>.json in `folder` (the program's ModifyJson/, ending in '/') for
// one device: a copy of the source, rewritten when a spreadsheet exists. Sets
// content.deviceConfigPath.
bool MakeDeviceJson(DeviceContent& content, const config_value_stu& row, const std::string& mac,
                    const std::string& folder, std::string& note);

} // namespace lumicord
