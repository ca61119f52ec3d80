// MAC address texts: the upper-case "AA:BB:CC:DD:EE:FF" key used everywhere, and the
// lower-case form that only the capture filter writes.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lumicord {

using MacAddress = std::array<std::uint8_t, 6>;

constexpr MacAddress kBroadcastMac = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};

// "%02X:%02X:%02X:%02X:%02X:%02X"
std::string MacText(const std::uint8_t* mac);
inline std::string MacText(const MacAddress& mac) {
    return MacText(mac.data());
}

// "%02x:%02x:%02x:%02x:%02x:%02x"
std::string MacTextLower(const std::uint8_t* mac);
inline std::string MacTextLower(const MacAddress& mac) {
    return MacTextLower(mac.data());
}

// The six bytes as one number, for keyed lookups by address.
inline std::uint64_t MacKey(const std::uint8_t* mac) {
    std::uint64_t key = 0;
    for (int i = 0; i < 6; ++i)
        key = (key << 8) | mac[i];
    return key;
}

// Reads six hex pairs separated by ':' or '-' (either case); nothing else is accepted.
std::optional<MacAddress> ParseMacText(std::string_view text);

} // namespace lumicord
