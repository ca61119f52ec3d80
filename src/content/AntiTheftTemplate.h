// The anti-theft fields stored as a named template: the switch, the AC name and the two DNS
// texts (as the edits show them, so a hint is stored as the hint text). Lock codes are never
// stored, and loading a template empties both lock-code fields.
#pragma once

#include <string>

#include "content/AntiTheftFields.h"
#include "content/CTemplateIni.h"

namespace lumicord {

// The template file in the program directory.
std::string TemplateFilePath(const std::string& programDirectory);

// Writes SwitchOn, ACName, PrimaryDns and SecondaryDns of section `name`; with the switch off
// the three texts are stored empty.
void StoreTemplate(CTemplateIni& ini, const std::string& name, const AntiTheftFields& fields);

// What loading template `name` writes into the page: switch on exactly when SwitchOn is "1",
// both lock codes emptied, the three texts as stored (a missing section or key reads empty).
void LoadTemplate(const CTemplateIni& ini, const std::string& name, AntiTheftFields& fields);

} // namespace lumicord
