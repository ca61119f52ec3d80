// Text helpers of the result store: fixed-width record fields filled from stored texts, MAC
// trimming and the escaping of a substring for a `like` pattern.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lumicord {

// Writes `text` as UTF-8 into `field` of `width` bytes, NUL-terminated, cut at a character
// boundary to fit.
void FillField(char* field, std::size_t width, std::u16string_view text);

// `text` without white space at either end.
std::u16string TrimWhiteSpace(std::u16string_view text);

// A `like` pattern (escape character '\') matching any text that contains `text`: its '%', '_'
// and '\' match themselves.
std::u16string ContainsPattern(std::u16string_view text);

} // namespace lumicord
