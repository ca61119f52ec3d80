// XML device configurations, handled as lines of text: the source summary, and the per-device
// copy with the device's spreadsheet values put into its settings.
#pragma once

#include <string>

#include "content/DeviceContent.h"

namespace lumicord {

// Reads the WAN entries, LOID, PLOAM and login settings and the radio count of `sourcePath`
// into `summary`. False only when the file cannot be read.
bool ReadXmlSummary(config_value_stu& summary, const std::string& sourcePath);

// Writes `sourcePath` to `outputPath` with the row's values in their settings (CR LF line
// ends). Settings whose field has no column in the sheet keep their line. False when either
// file cannot be opened.
bool RewriteXml(const config_value_stu& row, bool has5g, const SheetColumns& columns,
                const std::string& sourcePath, const std::string& outputPath);

// Makes <MAC without colons>.xml in `folder` (the program's ModifyXml/, ending in '/') for one
// device: an identical copy of the source without a spreadsheet, else the rewritten source.
// Sets content.deviceConfigPath. On failure `note` is "Modify New Xml file fail!".
bool MakeDeviceXml(DeviceContent& content, const config_value_stu& row, const std::string& mac,
                   const std::string& folder, std::string& note);

// The per-device file name: the MAC text without its colons, then `extension`.
std::string DeviceFileName(const std::string& mac, const char* extension);

} // namespace lumicord
