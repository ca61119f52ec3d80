#include "records/ApInfoText.h"

#include <cstring>

#include "platform/TextConversion.h"

namespace lumicord {
namespace {
bool IsWhiteSpace(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\v' || c == u'\f';
}
} // namespace

void FillField(char* field, std::size_t width, std::u16string_view text) {
    if (width == 0)
        return;
    // Most stored texts are ASCII: copy those without building a UTF-8 string first.
    std::size_t ascii = 0;
    while (ascii < text.size() && ascii + 1 < width && text[ascii] < 0x80) {
        field[ascii] = static_cast<char>(text[ascii]);
        ++ascii;
    }
    if (ascii == text.size() || ascii + 1 == width) {
        field[ascii] = '\0';
        return;
    }
    const std::string narrow = Utf16ToUtf8(text);
    std::size_t size = narrow.size() < width ? narrow.size() : width - 1;
    // Back off over continuation bytes so that no character is cut in half.
    if (size < narrow.size())
        while (size > 0 && (static_cast<unsigned char>(narrow[size]) & 0xC0) == 0x80)
            --size;
    std::memcpy(field, narrow.data(), size);
    field[size] = '\0';
}

std::u16string TrimWhiteSpace(std::u16string_view text) {
    while (!text.empty() && IsWhiteSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsWhiteSpace(text.back()))
        text.remove_suffix(1);
    return std::u16string(text);
}

std::u16string ContainsPattern(std::u16string_view text) {
    std::u16string pattern = u"%";
    for (char16_t c : text) {
        if (c == u'%' || c == u'_' || c == u'\\')
            pattern.push_back(u'\\');
        pattern.push_back(c);
    }
    pattern.push_back(u'%');
    return pattern;
}

} // namespace lumicord
