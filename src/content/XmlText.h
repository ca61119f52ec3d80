// Values inside the attribute texts of an XML configuration line.
#pragma once

#include <string>
#include <string_view>

namespace lumicord {

// `value` with &, <, > and " written as entities, ready to stand inside Value="...".
std::string EscapeXmlValue(std::string_view value);

// `text` with the five predefined entities and numeric character references decoded (as
// UTF-8); anything that is not a well-formed reference stays as it is.
std::string DecodeXmlValue(std::string_view text);

} // namespace lumicord
