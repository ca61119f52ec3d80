#include "app/SettingValues.h"

#include <climits>
#include <string>
#include <vector>

namespace lumicord {
namespace {

bool IsSpace(char16_t c) {
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

// The parts of a colour text; see ParseColor.
std::vector<std::u16string> SplitColorParts(std::u16string_view text) {
    std::vector<std::u16string> parts(1);
    bool partWritten = false; // the current part has any source character, quotes included
    char16_t quote = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (quote != 0) {
            if (c == quote && text[i - 1] != u'\\')
                quote = 0;
            else
                parts.back() += c;
            continue;
        }
        if (c == u',') {
            parts.emplace_back();
            partWritten = false;
            continue;
        }
        partWritten = true;
        if (c == u'"' || c == u'\'')
            quote = c;
        else
            parts.back() += c;
    }
    if (!partWritten)
        parts.pop_back(); // nothing after the last comma (or an empty text)
    return parts;
}

} // namespace

int ParseProfileInteger(std::u16string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    long long value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = value * 10 + (text[i] - u'0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1; // saturated; digits may go on
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    return static_cast<int>(value < INT_MIN ? INT_MIN : value);
}

bool ParseColor(std::u16string_view text, ColorRef& color) {
    const std::vector<std::u16string> parts = SplitColorParts(text);
    if (parts.size() != 3)
        return false;
    int channel[3] = {};
    for (int k = 0; k < 3; ++k) {
        channel[k] = ParseProfileInteger(parts[static_cast<std::size_t>(k)]);
        if (channel[k] < 0 || channel[k] > 255)
            return false;
    }
    color =
        MakeColorRef(static_cast<std::uint8_t>(channel[0]), static_cast<std::uint8_t>(channel[1]),
                     static_cast<std::uint8_t>(channel[2]));
    return true;
}

} // namespace lumicord
