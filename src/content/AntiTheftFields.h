// What the anti-theft page holds: the five texts as its edits give them and the protection
// switch. A DNS edit that shows its grey hint gives the hint text itself.
#pragma once

#include <cstddef>
#include <string>

namespace lumicord {

// The grey hint of the two DNS edits; a DNS text equal to it counts as "not given".
inline constexpr char16_t kDnsHint[] = u"e.g. 8.8.8.8";
// What an unset DNS server is sent as.
inline constexpr char kNoDns[] = "0.0.0.0";

// Edit limits, in UTF-16 code units.
constexpr std::size_t kLockCodeLimit = 32;
constexpr std::size_t kAcNameLimit = 32;
constexpr std::size_t kDnsLimit = 15;

// The edits, by their control ids.
enum class AntiTheftField : int {
    None = 0,
    LockCode = 1226,
    ConfirmLockCode = 1010,
    AcName = 1228,
    PrimaryDns = 1229,
    SecondaryDns = 1230,
};

struct AntiTheftFields {
    std::u16string lockCode;
    std::u16string confirmLockCode;
    std::u16string acName;
    std::u16string primaryDns{kDnsHint};
    std::u16string secondaryDns{kDnsHint};
    bool switchOn = true;
};

} // namespace lumicord
