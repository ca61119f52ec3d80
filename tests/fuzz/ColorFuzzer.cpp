// Fuzz target: any text (as UTF-8) as a colour or integer value of the settings file.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/SettingValues.h"
#include "platform/TextConversion.h"

using namespace lumicord;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u16string text =
        Utf8ToUtf16(std::string_view(reinterpret_cast<const char*>(data), size));
    constexpr ColorRef kMarker = 0xABCDEF01; // no colour the parser can produce
    ColorRef color = kMarker;
    const bool parsed = ParseColor(text, color);
    if (parsed ? color > 0xFFFFFF : color != kMarker)
        __builtin_trap();
    (void)ParseProfileInteger(text);
    return 0;
}
