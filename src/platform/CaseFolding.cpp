#include "platform/CaseFolding.h"

#include <cctype>

namespace lumicord {

char16_t ToLowerChar(char16_t c) {
    auto in = [c](char16_t from, char16_t to) {
        return c >= from && c <= to;
    };
    auto plus = [c](int delta) {
        return static_cast<char16_t>(c + delta);
    };
    if (in(u'A', u'Z'))
        return plus(0x20);
    if (c < 0xC0)
        return c;
    if (in(0xC0, 0xDE) && c != 0xD7)
        return plus(0x20);
    if (c == 0x130) // capital I with dot
        return u'i';
    if (c == 0x178)
        return 0xFF;
    // Latin Extended-A pairs: even/odd, with the stretches 0x139..0x148 and 0x179..0x17E odd/even.
    if ((in(0x139, 0x148) || in(0x179, 0x17E)) && (c & 1) != 0)
        return plus(1);
    if (in(0x100, 0x137) || in(0x14A, 0x177))
        return (c & 1) == 0 ? plus(1) : c;
    if (c == 0x386)
        return 0x3AC;
    if (in(0x388, 0x38A))
        return plus(0x25);
    if (c == 0x38C)
        return 0x3CC;
    if (in(0x38E, 0x38F))
        return plus(0x3F);
    if (in(0x391, 0x3A9) && c != 0x3A2)
        return plus(0x20);
    if (in(0x400, 0x40F))
        return plus(0x50);
    if (in(0x410, 0x42F))
        return plus(0x20);
    if (in(0xFF21, 0xFF3A))
        return plus(0x20);
    return c;
}

std::u16string ToLower(std::u16string_view text) {
    std::u16string out(text);
    for (char16_t& c : out)
        c = ToLowerChar(c);
    return out;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

} // namespace lumicord
