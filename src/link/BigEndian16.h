// A 16-bit number stored big-endian (network order) in two bytes, with no alignment needs.
#pragma once

#include <cstdint>

namespace lumicord {

struct BigEndian16 {
    std::uint8_t bytes[2];

    constexpr std::uint16_t get() const {
        return static_cast<std::uint16_t>((bytes[0] << 8) | bytes[1]);
    }
    constexpr void set(std::uint16_t value) {
        bytes[0] = static_cast<std::uint8_t>(value >> 8);
        bytes[1] = static_cast<std::uint8_t>(value & 0xFF);
    }
};
static_assert(sizeof(BigEndian16) == 2 && alignof(BigEndian16) == 1);

} // namespace lumicord
