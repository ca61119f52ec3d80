#include "content/FieldValidation.h"

#include <algorithm>

#include "app/LanguageTables.h"
#include "platform/TextConversion.h"

namespace lumicord {
namespace {

constexpr std::u16string_view kChinesePunctuation =
    u"\u3002\uFF1F\uFF01\uFF0C\u3001\uFF1B\uFF1A\u201C\u201D\u2018\u2019\uFF08\uFF09\u300A"
    u"\u300B\u3008\u3009\u3010\u3011\u300E\u300F\u300C\u300D\uFE43\uFE44\u3014\u3015\u2026"
    u"\u2014\uFF5E\uFE4F\uFFE5\u00B7";
static_assert(kChinesePunctuation.size() == 33);

constexpr std::u16string_view kPppForbidden = u"&`()|\\<>;'\"";
constexpr std::u16string_view kLoidPunctuation = u"`~!@#$%^&*()_+-=[]\\{}|;':\"<>,./";
constexpr std::u16string_view kPasswordPunctuation = u".:-_/@";

bool IsAsciiAlnum(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

bool Contains(std::u16string_view set, char16_t c) {
    return set.find(c) != std::u16string_view::npos;
}

bool NoneOf(std::u16string_view text, std::u16string_view set) {
    return std::none_of(text.begin(), text.end(), [&](char16_t c) { return Contains(set, c); });
}

bool AllAscii(std::u16string_view text) {
    return std::all_of(text.begin(), text.end(), [](char16_t c) { return c < 0x80; });
}

bool AllOf(std::u16string_view text, std::u16string_view punctuation) {
    return std::all_of(text.begin(), text.end(),
                       [&](char16_t c) { return IsAsciiAlnum(c) || Contains(punctuation, c); });
}

bool InRange(int value, int low, int high) {
    return value >= low && value <= high;
}

bool PppUserValid(std::u16string_view v) {
    return InRange(Utf8ByteLength(v), 1, 63) && NoneOf(v, kPppForbidden);
}
bool PppPasswordValid(std::u16string_view v) {
    return InRange(Utf8ByteLength(v), 1, 29) && NoneOf(v, kPppForbidden);
}
bool SsidValid(std::u16string_view v) {
    return !v.empty() && std::none_of(v.begin(), v.end(), IsChineseChar) &&
           v.find(u' ') == std::u16string_view::npos && InRange(Utf8ByteLength(v), 1, 32);
}
bool WpaKeyValid(std::u16string_view v) {
    return InRange(static_cast<int>(v.size()), 8, 63) && AllAscii(v) && NoneOf(v, u"\\'\"");
}
bool LoidValid(std::u16string_view v) {
    return AllOf(v, kLoidPunctuation) && Utf8ByteLength(v) <= 24;
}
bool LoidPasswordValid(std::u16string_view v) {
    return AllOf(v, kPasswordPunctuation) && Utf8ByteLength(v) <= 12;
}
bool PloamPasswordValid(std::u16string_view v) {
    return v.empty() || (AllOf(v, kPasswordPunctuation) && InRange(Utf8ByteLength(v), 1, 10));
}
bool LoginPasswordValid(std::u16string_view v) {
    return InRange(static_cast<int>(v.size()), 1, 30) && AllAscii(v) &&
           v.find(u' ') == std::u16string_view::npos;
}

// Puts the MAC and the numbers into a message: "%s" takes the MAC, each "%d" the next number,
// "%%" is one per-cent sign. The texts come from a language file, so they never reach printf.
std::u16string Format(std::u16string_view pattern, std::u16string_view mac,
                      std::initializer_list<int> numbers) {
    std::u16string out;
    auto number = numbers.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != u'%' || i + 1 == pattern.size()) {
            out += pattern[i];
            continue;
        }
        const char16_t kind = pattern[++i];
        if (kind == u's') {
            out += mac;
        } else if (kind == u'd') {
            out += Utf8ToUtf16(std::to_string(number != numbers.end() ? *number++ : 0));
        } else if (kind == u'%') {
            out += u'%';
        } else {
            out += u'%';
            out += kind;
        }
    }
    return out;
}

std::u16string Translated(std::u16string_view pattern, std::u16string_view mac) {
    return Format(TranslateText(pattern), mac, {});
}

// The check of one row; the first failure's message goes to `note`.
bool ValidateRow(const config_value_stu& row, const config_value_stu& summary, bool wireless,
                 std::u16string& note) {
    const std::u16string mac = Utf8ToUtf16(FieldText(row.mac));
    const int groups = std::clamp<int>(row.wanCount, 0, kMaxWanEntries);
    for (int k = 1; k <= groups; ++k) {
        if (DecimalValue(FieldText(summary.vid[k - 1])) != 0) {
            const int vid = DecimalValue(FieldText(row.vid[k - 1]));
            if (!InRange(vid, 1, 4094)) {
                note = Format(u"The MAC:%s vid%d value:%d is invalid. Please check that the "
                              u"following rules are met:VLAN ID must be an integer ranging "
                              u"from 1 to 4094!",
                              mac, {k, vid});
                return false;
            }
        }
        if (DecimalValue(FieldText(summary.channelMode[k - 1])) != 2)
            continue;
        if (!PppUserValid(Utf8ToUtf16(FieldText(row.pppUser[k - 1])))) {
            note = Format(TranslateText(u"The MAC:%s pppUser%d is invalid. Please check that the "
                                        u"following rules are met:userName must contain 1 to 63 "
                                        u"characters, except special characters &`()|\\<>;'\""),
                          mac, {k});
            return false;
        }
        if (!PppPasswordValid(Utf8ToUtf16(FieldText(row.pppPassword[k - 1])))) {
            note = Format(u"The MAC:%s pppPassword%d is invalid. Please check that the following "
                          u"rules are met:must contain 1 to 29 characters, except special "
                          u"characters &`()|\\<>;'\"",
                          mac, {k});
            return false;
        }
    }
    const bool with5g = wireless && summary.has5g != 0;
    if (with5g && !SsidValid(Utf8ToUtf16(FieldText(row.ssid5g)))) {
        note = Translated(u"The MAC:%s ssid_5g is invalid. Please check that the following rules "
                          u"are met:ssid_5G must contain 1 to 32 UTF-8 bytes.except Chinese or "
                          u"empty!",
                          mac);
        return false;
    }
    if (wireless && !SsidValid(Utf8ToUtf16(FieldText(row.ssid24g)))) {
        note = Translated(u"The MAC:%s ssid_2.4g is invalid. Please check that the following "
                          u"rules are met:ssid_2.4G must contain 1 to 32 UTF-8 bytes.except "
                          u"Chinese or empty!",
                          mac);
        return false;
    }
    if (with5g && !WpaKeyValid(Utf8ToUtf16(FieldText(row.wlanPsk5g)))) {
        note = Translated(u"The MAC:%s wlanPsk_5g is invalid. Please check that the following "
                          u"rules are met:wlanPsk_5G must contain 8 to 63 ASCII characters, "
                          u"except special characters \\ ' \" ",
                          mac);
        return false;
    }
    if (wireless && !WpaKeyValid(Utf8ToUtf16(FieldText(row.wlanPsk24g)))) {
        note = Translated(u"The MAC:%s wlanPsk_2.4g is invalid. Please check that the following "
                          u"rules are met\uFF1AwlanPsk_2.4G must contain 8 to 63 ASCII characters, "
                          u"except special characters \\ ' \" ",
                          mac);
        return false;
    }
    const std::u16string loid = Utf8ToUtf16(FieldText(row.loid));
    const std::u16string loidPassword = Utf8ToUtf16(FieldText(row.loidPassword));
    if (!LoidValid(loid)) {
        note = Translated(u"The MAC:%s loidis is invalid. Please check that the following rules "
                          u"are met\uFF1Aloid contains a maximum of 24 characters, including "
                          u"digits, uppercase and lowercase letters, and special characters  "
                          u"`~!@#$%%^&*()_+-=[]\\{}|;':\"<>,./",
                          mac);
        return false;
    }
    if (!LoidPasswordValid(loidPassword)) {
        note = Translated(u"The MAC:%s loidPassword is invalid. Please check that the following "
                          u"rules are met\uFF1Ato enter the loidPassword, you must first enter "
                          u"loid;The 'loidPassword' support 12 characters, including digits, "
                          u"letters, and special characters.:-_/@;",
                          mac);
        return false;
    }
    if (!loidPassword.empty() && loid.empty()) {
        note = Translated(u"The MAC:%s to set loidPassword, you must set loid first.", mac);
        return false;
    }
    if (!PloamPasswordValid(Utf8ToUtf16(FieldText(row.ploamPassword)))) {
        note = Translated(u"The MAC:%s ploamPassword is invalid. Please check that the following "
                          u"rules are met\uFF1AploamPassword must contain 1 to 10 characters, "
                          u"including digits, letters, and special characters .:-_/@",
                          mac);
        return false;
    }
    if (!LoginPasswordValid(Utf8ToUtf16(FieldText(row.loginPassword)))) {
        note = Translated(u"The MAC:%s loginPassword is invalid. Please check that the following "
                          u"rules are met\uFF1AloginPassword must contain 1 to 30 ASCII characters "
                          u"without spaces,not allowed blank space!",
                          mac);
        return false;
    }
    return true;
}

} // namespace

int Utf8ByteLength(std::u16string_view text) {
    int bytes = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c < 0x80) {
            bytes += 1;
        } else if (c < 0x800) {
            bytes += 2;
        } else if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                   text[i + 1] <= 0xDFFF) {
            bytes += 4;
            ++i;
        } else {
            bytes += 3;
        }
    }
    return bytes;
}

bool IsChineseChar(char16_t c) {
    return (c >= 0x4E00 && c <= 0x9FA5) || Contains(kChinesePunctuation, c);
}

bool ValidateDeviceRows(const std::vector<config_value_stu>& rows, const config_value_stu& summary,
                        bool wirelessColumns, std::u16string& note) {
    for (const config_value_stu& row : rows)
        if (!ValidateRow(row, summary, wirelessColumns, note))
            return false;
    return true;
}

} // namespace lumicord
