// How the settings file's integer and colour texts are read.
#pragma once

#include <string_view>

#include "app/Settings.h"

namespace lumicord {

// Optional leading white space and sign, then decimal digits up to the first other character;
// no digit gives 0, and values beyond the int range stop at its ends.
int ParseProfileInteger(std::u16string_view text);

// Three comma-separated numbers in 0..255, red first. Text inside single or double quotes is
// taken as it stands, commas included (the quotes are dropped; a quote after a backslash does
// not close). Empty parts count, except an empty one after the last comma. On failure
// `color` is left as it was.
bool ParseColor(std::u16string_view text, ColorRef& color);

} // namespace lumicord
