// The checks the anti-theft page makes before Apply, in their fixed order. The first failing
// check gives the message to show (untranslated) and the edit that gets the focus.
#pragma once

#include <string_view>

#include "content/AntiTheftFields.h"

namespace lumicord {

struct AntiTheftVerdict {
    bool ok = true;
    const char16_t* message = u""; // empty when ok
    AntiTheftField focus = AntiTheftField::None;
};

AntiTheftVerdict ValidateInputs(const AntiTheftFields& fields);

// A DNS text the page accepts: the hint, or (blanks trimmed) a textual IPv4 or IPv6 address.
bool IsAcceptedDns(std::u16string_view text);

} // namespace lumicord
