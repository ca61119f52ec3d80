#include "content/AntiTheftValidation.h"

#include <arpa/inet.h>

#include "platform/TextConversion.h"

namespace lumicord {
namespace {

bool HasQuoteOrBackslash(std::u16string_view text) {
    return text.find_first_of(u"\"\\") != std::u16string_view::npos;
}

AntiTheftVerdict Refuse(const char16_t* message, AntiTheftField focus) {
    return {false, message, focus};
}

} // namespace

bool IsAcceptedDns(std::u16string_view text) {
    if (text == kDnsHint)
        return true;
    const std::size_t first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos)
        return false;
    const std::size_t last = text.find_last_not_of(u' ');
    const std::string address = Utf16ToUtf8(text.substr(first, last - first + 1));
    unsigned char buffer[16];
    if (address.find('\0') != std::string::npos) // the parser would stop there
        return false;
    return inet_pton(AF_INET, address.c_str(), buffer) == 1 ||
           inet_pton(AF_INET6, address.c_str(), buffer) == 1;
}

AntiTheftVerdict ValidateInputs(const AntiTheftFields& f) {
    using F = AntiTheftField;
    if (f.lockCode.empty())
        return Refuse(u"Please input the Lock Code information!", F::LockCode);
    if (HasQuoteOrBackslash(f.lockCode))
        return Refuse(u"The input Lock Code cannot contain the characters \" or \\ ", F::LockCode);
    if (!f.switchOn)
        return {};
    if (f.confirmLockCode.empty())
        return Refuse(u"Please input the Confirm Lock Code information!", F::ConfirmLockCode);
    if (HasQuoteOrBackslash(f.confirmLockCode))
        return Refuse(u"The input Confirm Lock Code cannot contain the characters \" or \\ ",
                      F::ConfirmLockCode);
    if (f.confirmLockCode != f.lockCode)
        return Refuse(u"The input information of the two is inconsistent!", F::ConfirmLockCode);
    if (f.acName.empty())
        return Refuse(u"Please input the AC Name information!", F::AcName);
    if (HasQuoteOrBackslash(f.acName))
        return Refuse(u"The input AC Name cannot contain the characters \" or \\ ", F::AcName);
    if (!IsAcceptedDns(f.primaryDns))
        return Refuse(u"The Primary DNS is invalid!", F::PrimaryDns);
    if (!IsAcceptedDns(f.secondaryDns))
        return Refuse(u"The Secondary DNS is invalid!", F::SecondaryDns);
    return {};
}

} // namespace lumicord
