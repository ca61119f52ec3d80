#include "link/MacText.h"

namespace lumicord {
namespace {

std::string FormatMac(const std::uint8_t* mac, bool upper) {
    const char* digits = upper ? "0123456789ABCDEF" : "0123456789abcdef";
    std::string text(17, ':');
    for (int i = 0; i < 6; ++i) {
        text[static_cast<std::size_t>(i * 3)] = digits[mac[i] >> 4];
        text[static_cast<std::size_t>(i * 3 + 1)] = digits[mac[i] & 0x0F];
    }
    return text;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

std::string MacText(const std::uint8_t* mac) {
    return FormatMac(mac, true);
}

std::string MacTextLower(const std::uint8_t* mac) {
    return FormatMac(mac, false);
}

std::optional<MacAddress> ParseMacText(std::string_view text) {
    if (text.size() != 17)
        return std::nullopt;
    MacAddress mac{};
    for (std::size_t i = 0; i < 6; ++i) {
        const std::size_t at = i * 3;
        const int high = HexDigit(text[at]);
        const int low = HexDigit(text[at + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        if (i < 5 && text[at + 2] != ':' && text[at + 2] != '-')
            return std::nullopt;
        mac[i] = static_cast<std::uint8_t>(high * 16 + low);
    }
    return mac;
}

} // namespace lumicord
