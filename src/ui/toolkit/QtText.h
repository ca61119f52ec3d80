// Conversions between the core's UTF-16 texts and QString, and TranslateText for QStrings.
#pragma once

#include <QString>
#include <string>

#include "app/LanguageTables.h"

namespace lumicord {

inline QString ToQString(const std::u16string& text) {
    return QString::fromStdU16String(text);
}

inline std::u16string ToU16(const QString& text) {
    return text.toStdU16String();
}

// The language table's translation of a program text.
inline QString TranslateQText(const QString& text) {
    return ToQString(TranslateText(std::u16string_view(
        reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size()))));
}

} // namespace lumicord
