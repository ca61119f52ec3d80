// The configuration values of one device: the source summary of a configuration file, or one
// row of the per-device spreadsheet. Texts are UTF-8, NUL-terminated and cut to their field.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace lumicord {

constexpr int kMaxWanEntries = 10;

struct config_value_stu {
    char mac[64];
    char wanName[kMaxWanEntries][64];
    char vid[kMaxWanEntries][64];
    char pppUser[kMaxWanEntries][64];
    char pppPassword[kMaxWanEntries][64];
    char channelMode[kMaxWanEntries][8];
    std::int32_t wanCount;
    char ssid5g[33];
    char wlanPsk5g[64];
    char ssid24g[33];
    char wlanPsk24g[64];
    char loid[32];
    char loidPassword[32];
    char loginPassword[32];
    char ploamPassword[32];
    std::int32_t has5g;
};
static_assert(offsetof(config_value_stu, wanName) == 64);
static_assert(offsetof(config_value_stu, vid) == 704);
static_assert(offsetof(config_value_stu, pppUser) == 1344);
static_assert(offsetof(config_value_stu, pppPassword) == 1984);
static_assert(offsetof(config_value_stu, channelMode) == 2624);
static_assert(offsetof(config_value_stu, wanCount) == 2704);
static_assert(offsetof(config_value_stu, ssid5g) == 2708);
static_assert(offsetof(config_value_stu, wlanPsk5g) == 2741);
static_assert(offsetof(config_value_stu, ssid24g) == 2805);
static_assert(offsetof(config_value_stu, wlanPsk24g) == 2838);
static_assert(offsetof(config_value_stu, loid) == 2902);
static_assert(offsetof(config_value_stu, loidPassword) == 2934);
static_assert(offsetof(config_value_stu, loginPassword) == 2966);
static_assert(offsetof(config_value_stu, ploamPassword) == 2998);
static_assert(offsetof(config_value_stu, has5g) == 3032);
static_assert(sizeof(config_value_stu) == 3036);

// Stores `value` in `field` of `size` bytes: at most size - 1 bytes, never splitting a UTF-8
// sequence, always NUL-terminated.
void SetFieldText(char* field, std::size_t size, std::string_view value);

template <std::size_t N> void SetField(char (&field)[N], std::string_view value) {
    SetFieldText(field, N, value);
}

// The text of a field: up to its NUL, or its whole width.
template <std::size_t N> std::string_view FieldText(const char (&field)[N]) {
    std::size_t length = 0;
    while (length < N && field[length] != '\0')
        ++length;
    return std::string_view(field, length);
}

// A decimal text read the C way: leading blanks skipped, an optional sign, digits up to the
// first non-digit; no digits gives 0. Saturates instead of overflowing.
int DecimalValue(std::string_view text);

} // namespace lumicord
