#include "content/AntiTheftCommand.h"

#include <cstdio>

#include "platform/TextConversion.h"

namespace lumicord {
namespace {

std::string DnsText(const std::u16string& text) {
    return text == kDnsHint ? std::string(kNoDns) : Utf16ToUtf8(text);
}

// Appends `"name":"value"` with the value escaped; appends rather than chains `+` so gcc's
// -O3 restrict analysis has nothing to misread.
void AppendMember(std::string& out, std::string_view name, std::string_view value) {
    out += '"';
    out += name;
    out += "\":\"";
    out += JsonStringEscape(value);
    out += '"';
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
    std::string command = "{";
    AppendMember(command, "Lockcode", Utf16ToUtf8(f.lockCode));
    command += ',';
    AppendMember(command, "Enable", f.switchOn ? "1" : "0");
    command += ',';
    AppendMember(command, "ACName", acName);
    command += ',';
    AppendMember(command, "DNS1", dns1);
    command += ',';
    AppendMember(command, "DNS2", dns2);
    command += '}';
    return command;
}

} // namespace lumicord
