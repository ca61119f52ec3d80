#include "content/AntiTheftTemplate.h"

#include "platform/TextConversion.h"

namespace lumicord {

std::string TemplateFilePath(const std::string& programDirectory) {
    return programDirectory + "IniTemplate/Config.ini";
}

void StoreTemplate(CTemplateIni& ini, const std::string& name, const AntiTheftFields& fields) {
    const bool on = fields.switchOn;
    ini.SetValue(name, "SwitchOn", on ? "1" : "0");
    ini.SetValue(name, "ACName", on ? Utf16ToUtf8(fields.acName) : std::string());
    ini.SetValue(name, "PrimaryDns", on ? Utf16ToUtf8(fields.primaryDns) : std::string());
    ini.SetValue(name, "SecondaryDns", on ? Utf16ToUtf8(fields.secondaryDns) : std::string());
}

void LoadTemplate(const CTemplateIni& ini, const std::string& name, AntiTheftFields& fields) {
    fields.switchOn = ini.GetValue(name, "SwitchOn", "") == "1";
    fields.lockCode.clear();
    fields.confirmLockCode.clear();
    fields.acName = Utf8ToUtf16(ini.GetValue(name, "ACName", ""));
    fields.primaryDns = Utf8ToUtf16(ini.GetValue(name, "PrimaryDns", ""));
    fields.secondaryDns = Utf8ToUtf16(ini.GetValue(name, "SecondaryDns", ""));
}

} // namespace lumicord
