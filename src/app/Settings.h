// The look of the program read from Setting.ini: colours, grid fonts and the fixed grid row
// height. Filled once at start-up, before any window is created; read-only afterwards.
#pragma once

#include <cstdint>
#include <string>

namespace lumicord {

// 32-bit RGB with red in the low byte, green in the second and blue in the third.
using ColorRef = std::uint32_t;

constexpr ColorRef MakeColorRef(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return static_cast<ColorRef>(r | (g << 8) | (b << 16));
}
constexpr std::uint8_t RedOf(ColorRef c) {
    return static_cast<std::uint8_t>(c & 0xFF);
}
constexpr std::uint8_t GreenOf(ColorRef c) {
    return static_cast<std::uint8_t>((c >> 8) & 0xFF);
}
constexpr std::uint8_t BlueOf(ColorRef c) {
    return static_cast<std::uint8_t>((c >> 16) & 0xFF);
}

// A font description (the members of a LOGFONT the grid uses; the rest stay zero).
struct LogFontDescription {
    static constexpr std::size_t kMaxFaceLength = 31;
    int height = 0;      // positive: character-cell height in pixels
    int weight = 0;      // 0 default, 700 bold
    std::u16string face; // at most 31 characters
};

struct CSettings {
    static constexpr int kGridBodyRowHeight = 48;

    ColorRef childBkColor = 0;
    std::u16string fontName;
    ColorRef lineColor = 0;
    int gridTitleFontWeight = 0;
    int gridTitleFontHeight = 0;
    int gridFontWeight = 0;
    int gridFontHeight = 0;
    ColorRef gridTextColor = 0;
    ColorRef gridTitleTextColor = 0;
    ColorRef gridTitleBkColor = 0;

    LogFontDescription gridTitleLogFont;
    LogFontDescription gridBodyLogFont;
    int gridBodyRowHeight = kGridBodyRowHeight;
};

} // namespace lumicord
