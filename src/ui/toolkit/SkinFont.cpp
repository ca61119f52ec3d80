#include "ui/toolkit/SkinFont.h"

#include <QFontMetrics>
#include <algorithm>

namespace lumicord {
namespace {
const QString kStandIn = QStringLiteral("WenQuanYi Micro Hei");
} // namespace

void RegisterFontSubstitutes() {
    static const bool registered = [] {
        QFont::insertSubstitution(QStringLiteral("Microsoft YaHei"), kStandIn);
        QFont::insertSubstitution(QStringLiteral("宋体"), kStandIn);
        return true;
    }();
    (void)registered;
}

QFont MakeSkinFont(const SkinFontLook& look) {
    RegisterFontSubstitutes();
    QFont font(look.face.isEmpty() ? kStandIn : look.face);
    font.setStyleHint(QFont::SansSerif); // the Swiss family
    const int weight = look.weight <= 0 ? 400 : std::clamp(look.weight, 1, 1000);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(look.italic);
    font.setUnderline(look.underline);
    font.setStrikeOut(look.strikeOut);
    const int height = std::max(1, look.height);
    font.setPixelSize(height);
    // A Windows cell height includes the internal leading; shrink the em until the glyph
    // cell fits in the height, so no text is clipped in controls sized for it.
    for (int size = height; size > 1; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).height() <= height)
            break;
    }
    return font;
}

} // namespace lumicord
