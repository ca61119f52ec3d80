// Conversions between the 8-bit texts of frames, files and logs (UTF-8) and the UTF-16 texts
// of the user interface. Invalid input never fails: bad sequences become U+FFFD.
#pragma once

#include <string>
#include <string_view>

namespace lumicord {

std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

// Appends one code point to a UTF-8 text.
void AppendUtf8(std::string& out, char32_t cp);

// The first `limit` code units of `text`, one fewer when the cut would split a surrogate pair.
std::u16string_view CutUtf16(std::u16string_view text, std::size_t limit);

} // namespace lumicord
