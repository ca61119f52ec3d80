// The anti-theft checks: their order, their messages and the edit each one focuses.
#include <gtest/gtest.h>

#include "content/AntiTheftValidation.h"
#include "platform/TextConversion.h"

using namespace lumicord;
using F = AntiTheftField;

namespace {

// A switch-on page that passes; each case changes what it names.
AntiTheftFields Good() {
    AntiTheftFields f;
    f.lockCode = f.confirmLockCode = u"Secret-1";
    f.acName = u"AC";
    f.primaryDns = u"8.8.8.8";
    f.secondaryDns = kDnsHint;
    return f;
}

struct Case {
    const char* what;
    void (*change)(AntiTheftFields&);
    const char16_t* message; // empty: passes
    F focus;
};

const Case kCases[] = {
    {"everything filled", [](AntiTheftFields&) {}, u"", F::None},
    {"nothing filled", [](AntiTheftFields& f) { f = AntiTheftFields{}; },
     u"Please input the Lock Code information!", F::LockCode},
    {"backslash in the lock code comes before every other field",
     [](AntiTheftFields& f) {
         f.lockCode = u"a\\b";
         f.confirmLockCode = f.acName = f.primaryDns = u"";
     },
     u"The input Lock Code cannot contain the characters \" or \\ ", F::LockCode},
    {"quote in the lock code", [](AntiTheftFields& f) { f.lockCode = u"a\"b"; },
     u"The input Lock Code cannot contain the characters \" or \\ ", F::LockCode},
    {"switch off with only a lock code",
     [](AntiTheftFields& f) {
         f = AntiTheftFields{};
         f.lockCode = u"x";
         f.switchOn = false;
         f.primaryDns = u"not an address";
     },
     u"", F::None},
    {"confirm empty", [](AntiTheftFields& f) { f.confirmLockCode.clear(); },
     u"Please input the Confirm Lock Code information!", F::ConfirmLockCode},
    {"backslash in the confirm", [](AntiTheftFields& f) { f.confirmLockCode = u"\\"; },
     u"The input Confirm Lock Code cannot contain the characters \" or \\ ", F::ConfirmLockCode},
    {"confirm differs in letter case only",
     [](AntiTheftFields& f) { f.confirmLockCode = u"secret-1"; },
     u"The input information of the two is inconsistent!", F::ConfirmLockCode},
    {"AC name empty", [](AntiTheftFields& f) { f.acName.clear(); },
     u"Please input the AC Name information!", F::AcName},
    {"quote in the AC name", [](AntiTheftFields& f) { f.acName = u"\""; },
     u"The input AC Name cannot contain the characters \" or \\ ", F::AcName},
    {"both DNS showing the hint", [](AntiTheftFields& f) { f.primaryDns = kDnsHint; }, u"",
     F::None},
    {"primary DNS empty without its hint", [](AntiTheftFields& f) { f.primaryDns.clear(); },
     u"The Primary DNS is invalid!", F::PrimaryDns},
    {"primary DNS of blanks", [](AntiTheftFields& f) { f.primaryDns = u"   "; },
     u"The Primary DNS is invalid!", F::PrimaryDns},
    {"trailing blank", [](AntiTheftFields& f) { f.primaryDns = u"8.8.8.8 "; }, u"", F::None},
    {"leading blank", [](AntiTheftFields& f) { f.primaryDns = u" 1.2.3.4"; }, u"", F::None},
    {"three parts", [](AntiTheftFields& f) { f.primaryDns = u"8.8.8"; },
     u"The Primary DNS is invalid!", F::PrimaryDns},
    {"part above 255", [](AntiTheftFields& f) { f.primaryDns = u"256.1.1.1"; },
     u"The Primary DNS is invalid!", F::PrimaryDns},
    {"a tab is no blank", [](AntiTheftFields& f) { f.primaryDns = u"8.8.8.8\t"; },
     u"The Primary DNS is invalid!", F::PrimaryDns},
    {"NUL after an address",
     [](AntiTheftFields& f) { f.primaryDns = std::u16string(u"8.8.8.8\0x", 9); },
     u"The Primary DNS is invalid!", F::PrimaryDns},
    {"IPv6 loopback", [](AntiTheftFields& f) { f.primaryDns = u"::1"; }, u"", F::None},
    {"IPv6 address", [](AntiTheftFields& f) { f.secondaryDns = u"2001:db8::53"; }, u"", F::None},
    {"secondary DNS bad", [](AntiTheftFields& f) { f.secondaryDns = u"1.2.3.4.5"; },
     u"The Secondary DNS is invalid!", F::SecondaryDns},
    {"both DNS bad: the primary is named",
     [](AntiTheftFields& f) { f.primaryDns = f.secondaryDns = u"x"; },
     u"The Primary DNS is invalid!", F::PrimaryDns},
};

} // namespace

TEST(AntiTheftValidation, ChecksInOrderWithMessageAndFocus) {
    for (const Case& c : kCases) {
        AntiTheftFields fields = Good();
        c.change(fields);
        const AntiTheftVerdict verdict = ValidateInputs(fields);
        const bool pass = std::u16string_view(c.message).empty();
        EXPECT_EQ(verdict.ok, pass) << c.what;
        EXPECT_EQ(Utf16ToUtf8(verdict.message), Utf16ToUtf8(c.message)) << c.what;
        EXPECT_EQ(verdict.focus, c.focus) << c.what;
    }
}
