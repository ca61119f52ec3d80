// Fuzz target: any bytes as a settings or language file, read with every lookup the program
// makes of such files.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/SettingsFile.h"
#include "platform/IniFile.h"

using namespace lumicord;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const CIniFile file = CIniFile::Parse(bytes);
    const CSettings settings = ReadSettings(file);
    if (settings.gridTitleLogFont.face.size() > LogFontDescription::kMaxFaceLength ||
        settings.fontName.size() > kSettingValueLimit || settings.childBkColor > 0xFFFFFF ||
        settings.lineColor > 0xFFFFFF)
        __builtin_trap();
    // Look up names taken from the input itself, so that present keys are found too.
    const std::u16string text = DecodeProfileText(bytes);
    for (std::size_t at = 0; at < text.size() && at < 4096; at += 97) {
        const std::u16string_view name = std::u16string_view(text).substr(at, 12);
        const std::u16string value = file.GetString(u"ProgramOutStr", name, u"", 1022);
        if (value.size() > 1022 || file.GetString(name, name, u"dflt", 3).size() > 3)
            __builtin_trap();
    }
    return 0;
}
