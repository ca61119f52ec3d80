// Lower-casing of UTF-16 texts for case-insensitive names (INI sections and keys, language
// keys). Covers the scripts our texts use: ASCII, Latin-1, Latin Extended-A, Greek, Cyrillic
// and the full-width Latin letters; every other code unit is left as it is.
#pragma once

#include <string>
#include <string_view>

namespace lumicord {

char16_t ToLowerChar(char16_t c);
std::u16string ToLower(std::u16string_view text);

// True when `a` and `b` are equal but for the case of ASCII letters (SQL keywords, names).
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

} // namespace lumicord
