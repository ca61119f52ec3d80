#include "content/XmlText.h"

#include <array>
#include <utility>

#include "platform/TextConversion.h"

namespace lumicord {
namespace {

// The code point of a numeric reference body ("#65", "#x41"); 0 when it is not one.
char32_t NumericReference(std::string_view body) {
    if (body.size() < 2 || body[0] != '#')
        return 0;
    const bool hex = body[1] == 'x' || body[1] == 'X';
    const std::string_view digits = body.substr(hex ? 2 : 1);
    if (digits.empty() || digits.size() > 8)
        return 0;
    char32_t value = 0;
    for (const char c : digits) {
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (hex && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (hex && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit < 0)
            return 0;
        value = value * (hex ? 16 : 10) + static_cast<char32_t>(digit);
    }
    const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
    return value > 0x10FFFF || surrogate ? 0 : value;
}

} // namespace

std::string EscapeXmlValue(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (const char c : value) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string DecodeXmlValue(std::string_view text) {
    static constexpr std::array<std::pair<std::string_view, char>, 5> kNamed = {
        {{"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}}};
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t end = text[i] == '&' ? text.find(';', i + 1) : std::string_view::npos;
        if (end == std::string_view::npos || end - i > 12) {
            out += text[i];
            continue;
        }
        const std::string_view body = text.substr(i + 1, end - i - 1);
        bool decoded = false;
        for (const auto& [name, c] : kNamed)
            if (body == name) {
                out += c;
                decoded = true;
            }
        if (const char32_t code = decoded ? 0 : NumericReference(body)) {
            AppendUtf8(out, code);
            decoded = true;
        }
        if (decoded)
            i = end;
        else
            out += text[i];
    }
    return out;
}

} // namespace lumicord
