// The checks every spreadsheet row passes before a configuration is sent: VLAN IDs, PPPoE
// accounts, SSIDs, WPA keys, LOID, PLOAM and login passwords, made on UTF-16 code units.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "content/ConfigValueStu.h"

namespace lumicord {

// Bytes of the UTF-8 encoding of `text` (a surrogate pair counts 4; a lone surrogate 3).
int Utf8ByteLength(std::u16string_view text);

// Chinese ideographs U+4E00..U+9FA5 and the 33 full-width and CJK punctuation marks.
bool IsChineseChar(char16_t c);

// Checks the rows in order against the source summary and the wireless-columns switch. At the
// first value that breaks its rule, `note` receives that field's message (already translated
// where the message is translated) and the result is false.
bool ValidateDeviceRows(const std::vector<config_value_stu>& rows, const config_value_stu& summary,
                        bool wirelessColumns, std::u16string& note);

} // namespace lumicord
