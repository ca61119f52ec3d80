// Fonts of the skinned controls. Heights are character-cell heights in pixels, as the windows
// give them; the font is sized so that its ascent and descent fit in that height.
#pragma once

#include <QFont>
#include <QString>

namespace lumicord {

struct SkinFontLook {
    QString face = QStringLiteral("Microsoft YaHei");
    int height = 15; // pixels
    int weight = 0;  // 0 default, 400 normal, 600 semi-bold, 700 bold
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
};

// Registers the installed stand-in faces for the Windows faces the program names.
// Safe to call more than once; MakeSkinFont calls it.
void RegisterFontSubstitutes();

QFont MakeSkinFont(const SkinFontLook& look);

} // namespace lumicord
