// The anti-theft command a device receives: one line of JSON with the lock code, the switch,
// the AC name and the two DNS servers.
#pragma once

#include <string>
#include <string_view>

#include "content/AntiTheftFields.h"

namespace lumicord {

// {"Lockcode":"..","Enable":"1","ACName":"..","DNS1":"..","DNS2":".."}. With the switch off
// only the lock code is taken from the fields: ACName is empty and both DNS are "0.0.0.0"; a
// DNS showing its hint is sent as "0.0.0.0" too. Texts are UTF-8 and escaped for JSON.
std::string BuildAntiTheftCommand(const AntiTheftFields& fields);

// `text` as the inside of a JSON string: '"', '\' and the control characters below 0x20
// escaped, every other byte as it is.
std::string JsonStringEscape(std::string_view text);

} // namespace lumicord
