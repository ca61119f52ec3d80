// The locale of the user as a Windows locale number (LCID), which is what the language map
// is keyed on: taken from LC_ALL, LC_MESSAGES or LANG, the first one set and not empty.
#pragma once

#include <string_view>

namespace lumicord {

constexpr unsigned kLocaleEnglishUs = 1033;

// Maps a POSIX locale name ("zh_CN.UTF-8", "de_DE@euro", "pt") to its locale number. A known
// language with an unknown or missing territory gives that language's primary locale; "C",
// "POSIX", an empty name and unknown languages give 1033.
unsigned LocaleIdFromPosixName(std::string_view name);

// The locale number of this process's environment.
unsigned SystemLocaleId();

} // namespace lumicord
