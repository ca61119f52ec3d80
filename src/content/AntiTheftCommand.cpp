#include "content/AntiTheftCommand.h"

#include <cstdio>

#include "platform/TextConversion.h"

namespace lumicord {
namespace {

std::string DnsText(const std::u16string& text) {
    return text == kDnsHint ? std::string(kNoDns) : Utf16ToUtf8(text);
}

std::string Quoted(const std::string& text) {
    return "\"" + JsonStringEscape(text) + "\"";
}

} // namespace

std::string JsonStringEscape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    return out;
}

std::string BuildAntiTheftCommand(const AntiTheftFields& f) {
    const std::string acName = f.switchOn ? Utf16ToUtf8(f.acName) : std::string();
    const std::string dns1 = f.switchOn ? DnsText(f.primaryDns) : std::string(kNoDns);
    const std::string dns2 = f.switchOn ? DnsText(f.secondaryDns) : std::string(kNoDns);
    return "{\"Lockcode\":" + Quoted(Utf16ToUtf8(f.lockCode)) + ",\"Enable\":\"" +
           (f.switchOn ? "1" : "0") + "\",\"ACName\":" + Quoted(acName) +
           ",\"DNS1\":" + Quoted(dns1) + ",\"DNS2\":" + Quoted(dns2) + "}";
}

} // namespace lumicord
