#include <gtest/gtest.h>

#include "ContentFiles.h"
#include "content/FieldValidation.h"
#include "platform/TextConversion.h"

using namespace lumicord;

namespace {

// A row that passes every rule, for a summary with one VLAN + PPPoE group and two radios.
config_value_stu GoodRow() {
    config_value_stu row{};
    SetField(row.mac, "02:00:00:00:00:01");
    row.wanCount = 1;
    SetField(row.vid[0], "100");
    SetField(row.pppUser[0], "user");
    SetField(row.pppPassword[0], "secret");
    SetField(row.ssid5g, "Lab-5G");
    SetField(row.wlanPsk5g, "12345678");
    SetField(row.ssid24g, "Lab-24");
    SetField(row.wlanPsk24g, "abcdefgh");
    SetField(row.loginPassword, "admin");
    return row;
}

config_value_stu Summary() {
    config_value_stu s{};
    s.wanCount = 1;
    SetField(s.vid[0], "100");
    SetField(s.channelMode[0], "2");
    s.has5g = 1;
    return s;
}

std::string Repeat(const char* text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out += text;
    return out;
}

using Field = char (config_value_stu::*)[64];

struct Case {
    const char* what;
    void (*change)(config_value_stu&);
    const char16_t* note; // the expected message; empty: passes
};

const char16_t kVid[] = u"The MAC:02:00:00:00:00:01 vid1 value:%V is invalid. Please check that "
                        u"the following rules are met:VLAN ID must be an integer ranging from 1 to "
                        u"4094!";
const char16_t kPppUser[] = u"The MAC:02:00:00:00:00:01 pppUser1 is invalid. Please check that the "
                            u"following rules are met:userName must contain 1 to 63 characters, "
                            u"except special characters &`()|\\<>;'\"";
const char16_t kPppPassword[] = u"The MAC:02:00:00:00:00:01 pppPassword1 is invalid. Please check "
                                u"that the following rules are met:must contain 1 to 29 "
                                u"characters, except special characters &`()|\\<>;'\"";
const char16_t kSsid5[] = u"The MAC:02:00:00:00:00:01 ssid_5g is invalid. Please check that the "
                          u"following rules are met:ssid_5G must contain 1 to 32 UTF-8 "
                          u"bytes.except Chinese or empty!";
const char16_t kSsid24[] = u"The MAC:02:00:00:00:00:01 ssid_2.4g is invalid. Please check that the "
                           u"following rules are met:ssid_2.4G must contain 1 to 32 UTF-8 "
                           u"bytes.except Chinese or empty!";
const char16_t kPsk5[] = u"The MAC:02:00:00:00:00:01 wlanPsk_5g is invalid. Please check that the "
                         u"following rules are met:wlanPsk_5G must contain 8 to 63 ASCII "
                         u"characters, except special characters \\ ' \" ";
const char16_t kPsk24[] = u"The MAC:02:00:00:00:00:01 wlanPsk_2.4g is invalid. Please check that "
                          u"the following rules are met\uFF1AwlanPsk_2.4G must contain 8 to 63 "
                          u"ASCII characters, except special characters \\ ' \" ";
const char16_t kLoid[] = u"The MAC:02:00:00:00:00:01 loidis is invalid. Please check that the "
                         u"following rules are met\uFF1Aloid contains a maximum of 24 characters, "
                         u"including digits, uppercase and lowercase letters, and special "
                         u"characters  `~!@#$%^&*()_+-=[]\\{}|;':\"<>,./";
const char16_t kLoidPassword[] = u"The MAC:02:00:00:00:00:01 loidPassword is invalid. Please check "
                                 u"that the following rules are met\uFF1Ato enter the "
                                 u"loidPassword, you must first enter loid;The 'loidPassword' "
                                 u"support 12 characters, including digits, letters, and special "
                                 u"characters.:-_/@;";
const char16_t kLoidFirst[] = u"The MAC:02:00:00:00:00:01 to set loidPassword, you must set loid "
                              u"first.";
const char16_t kPloam[] = u"The MAC:02:00:00:00:00:01 ploamPassword is invalid. Please check that "
                          u"the following rules are met\uFF1AploamPassword must contain 1 to 10 "
                          u"characters, including digits, letters, and special characters "
                          u".:-_/@";
const char16_t kLogin[] = u"The MAC:02:00:00:00:00:01 loginPassword is invalid. Please check that "
                          u"the following rules are met\uFF1AloginPassword must contain 1 to 30 "
                          u"ASCII characters without spaces,not allowed blank space!";

#define SET(field, value)                                                                          \
    [](config_value_stu& r) {                                                                      \
        SetField(r.field, value);                                                                  \
    }

const Case kCases[] = {
    {"good row", [](config_value_stu&) {}, u""},
    {"vid 4094", SET(vid[0], "4094"), u""},
    {"vid 1", SET(vid[0], "1"), u""},
    {"vid 12abc", SET(vid[0], "12abc"), u""},
    {"vid blank 12", SET(vid[0], " 12"), u""},
    {"vid abc", SET(vid[0], "abc"), kVid},
    {"vid 4095", SET(vid[0], "4095"), kVid},
    {"vid 0", SET(vid[0], "0"), kVid},
    {"pppUser 63", SET(pppUser[0], std::string(63, 'u')), u""},
    // The record holds 63 bytes: a longer cell is cut to fit (whole characters) and passes.
    {"pppUser 64", SET(pppUser[0], std::string(64, 'u')), u""},
    {"pppUser 22 CJK", SET(pppUser[0], Repeat("\xE4\xB8\xAD", 22)), u""},
    {"pppUser empty", SET(pppUser[0], ""), kPppUser},
    {"pppUser semicolon", SET(pppUser[0], "a;b"), kPppUser},
    {"pppUser non-ASCII", SET(pppUser[0], "\xC3\xA9t\xC3\xA9"), u""},
    {"pppPassword 29", SET(pppPassword[0], std::string(29, 'p')), u""},
    {"pppPassword 30", SET(pppPassword[0], std::string(30, 'p')), kPppPassword},
    {"pppPassword quote", SET(pppPassword[0], "a\"b"), kPppPassword},
    {"ssid_2.4g space", SET(ssid24g, "a b"), kSsid24},
    {"ssid_2.4g 32", SET(ssid24g, std::string(32, 's')), u""},
    // 11 kana are 33 bytes; the 33-byte field keeps 10 of them.
    {"ssid_2.4g 33 bytes", SET(ssid24g, Repeat("\xE3\x81\x82", 11)), u""},
    {"ssid_2.4g one CJK", SET(ssid24g, "\xE4\xB8\xAD"), kSsid24},
    {"ssid_2.4g full-width comma", SET(ssid24g, "a\xEF\xBC\x8C"), kSsid24},
    {"ssid_2.4g empty", SET(ssid24g, ""), kSsid24},
    {"ssid_5g empty", SET(ssid5g, ""), kSsid5},
    {"wlanPsk_2.4g 7", SET(wlanPsk24g, "1234567"), kPsk24},
    {"wlanPsk_2.4g 8", SET(wlanPsk24g, "12345678"), u""},
    {"wlanPsk_2.4g 63", SET(wlanPsk24g, std::string(63, 'k')), u""},
    // A 64-byte key does not fit its field; it is cut to 63 and passes.
    {"wlanPsk_2.4g accent", SET(wlanPsk24g, "12345678\xC3\xA9"), kPsk24},
    {"wlanPsk_5g backslash", SET(wlanPsk5g, "1234567\\8"), kPsk5},
    {"loid question mark", SET(loid, "ab?c"), kLoid},
    {"loid space", SET(loid, "ab c"), kLoid},
    {"loid 24", SET(loid, std::string(24, 'l')), u""},
    {"loid 25", SET(loid, std::string(25, 'l')), kLoid},
    {"loid punctuation 1", SET(loid, "`~!@#$%^&*()_+-=[]"), u""},
    {"loid punctuation 2", SET(loid, "\\{}|;':\"<>,./Az09"), u""},
    {"loidPassword without loid", SET(loidPassword, "abc"), kLoidFirst},
    {"loidPassword 13",
     [](config_value_stu& r) {
         SetField(r.loid, "x");
         SetField(r.loidPassword, std::string(13, 'a'));
     },
     kLoidPassword},
    {"loidPassword hash",
     [](config_value_stu& r) {
         SetField(r.loid, "x");
         SetField(r.loidPassword, "a#b");
     },
     kLoidPassword},
    {"loidPassword with loid",
     [](config_value_stu& r) {
         SetField(r.loid, "x");
         SetField(r.loidPassword, "a.b:c-d_e/@");
     },
     u""},
    {"ploamPassword 11", SET(ploamPassword, "abcdefghijk"), kPloam},
    {"ploamPassword space", SET(ploamPassword, "a b"), kPloam},
    {"ploamPassword 10", SET(ploamPassword, "abcdefghij"), u""},
    {"loginPassword empty", SET(loginPassword, ""), kLogin},
    {"loginPassword space", SET(loginPassword, "a b"), kLogin},
    {"loginPassword 30", SET(loginPassword, std::string(30, 'g')), u""},
    {"loginPassword 31", SET(loginPassword, std::string(31, 'g')), kLogin},
    {"all empty: first examined field",
     [](config_value_stu& r) {
         const int count = r.wanCount;
         r = config_value_stu{};
         r.wanCount = count;
     },
     u"The MAC: vid1 value:0 is invalid. Please check that the following rules are met:VLAN "
     u"ID must be an integer ranging from 1 to 4094!"},
};

#undef SET

} // namespace

TEST(FieldValidation, TableOfCases) {
    for (const Case& c : kCases) {
        config_value_stu row = GoodRow();
        c.change(row);
        std::u16string note;
        const bool passed = ValidateDeviceRows({row}, Summary(), true, note);
        std::u16string expected = c.note;
        if (const auto at = expected.find(u"%V"); at != std::u16string::npos)
            expected.replace(at, 2,
                             Utf8ToUtf16(std::to_string(DecimalValue(FieldText(row.vid[0])))));
        EXPECT_EQ(passed, expected.empty()) << c.what;
        EXPECT_EQ(Utf16ToUtf8(passed ? u"" : note), Utf16ToUtf8(expected)) << c.what;
    }
}

TEST(FieldValidation, ConditionsDecideWhatIsExamined) {
    config_value_stu row = GoodRow();
    SetField(row.vid[0], "0");
    SetField(row.pppUser[0], "");
    SetField(row.ssid24g, "a b");
    SetField(row.wlanPsk5g, "");
    std::u16string note;
    config_value_stu summary = Summary();
    SetField(summary.vid[0], "0");                                // no vid column
    SetField(summary.channelMode[0], "1");                        // not PPPoE
    EXPECT_TRUE(ValidateDeviceRows({row}, summary, false, note)); // switch off: no wireless

    // Two bad rows: the first in sheet order is reported.
    config_value_stu first = GoodRow(), second = GoodRow();
    SetField(first.mac, "first");
    SetField(first.loginPassword, "");
    SetField(second.mac, "second");
    SetField(second.vid[0], "0");
    EXPECT_FALSE(ValidateDeviceRows({GoodRow(), first, second}, Summary(), true, note));
    EXPECT_EQ(note.rfind(u"The MAC:first loginPassword", 0), 0u);
}

TEST(FieldValidation, Utf8LengthAndChineseCharacters) {
    EXPECT_EQ(Utf8ByteLength(u""), 0);
    EXPECT_EQ(Utf8ByteLength(u"a\u00E9\u4E2D\U0001F600"), 1 + 2 + 3 + 4);
    for (const char16_t c : {u'\u4E00', u'\u9FA5', u'\u3002', u'\u00B7', u'\uFFE5', u'\u2014'})
        EXPECT_TRUE(IsChineseChar(c)) << static_cast<int>(c);
    for (const char16_t c : {u'\u4DFF', u'\u9FA6', u'a', u'\u3042', u'\u00E9', u'\uFF0D'})
        EXPECT_FALSE(IsChineseChar(c)) << static_cast<int>(c);
}
