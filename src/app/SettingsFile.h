// Reading Setting.ini in the program directory into the settings record.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "app/Settings.h"

namespace lumicord {

class CIniFile;

constexpr std::size_t kSettingValueLimit = 127;

// "<program dir>Setting.ini".
std::string SettingsFilePath(const std::string& programDirectory);

// One value of Setting.ini; a missing file, section or key gives `defaultValue`.
std::u16string ReadSettingValue(const std::string& programDirectory, std::u16string_view section,
                                std::u16string_view key, std::u16string_view defaultValue);

// Every key with its default, a colour that does not parse left black, and the two grid font
// descriptions prepared.
CSettings ReadSettings(const CIniFile& file);
CSettings ReadSettings(const std::string& programDirectory);

} // namespace lumicord
