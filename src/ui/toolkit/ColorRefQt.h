// ColorRef (red in the low byte) to and from QColor.
#pragma once

#include <QColor>

#include "app/Settings.h"

namespace lumicord {

inline QColor ToQColor(ColorRef color) {
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

inline ColorRef ToColorRef(const QColor& color) {
    return MakeColorRef(static_cast<std::uint8_t>(color.red()),
                        static_cast<std::uint8_t>(color.green()),
                        static_cast<std::uint8_t>(color.blue()));
}

} // namespace lumicord
