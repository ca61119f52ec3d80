// Conversions between the 8-bit texts of frames, files and logs (UTF-8) and the UTF-16 texts
// of the user interface. Invalid input never fails: bad sequences become U+FFFD.
#pragma once

#include <string>
#include <string_view>

namespace lumicord {

std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

} // namespace lumicord
