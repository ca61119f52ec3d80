#include "records/FieldConversion.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <ctime>

namespace lumicord {
namespace {
std::u16string Widen(std::string_view ascii) {
    return std::u16string(ascii.begin(), ascii.end());
}

std::u16string Decimal(std::int64_t number) {
    return Widen(std::to_string(number));
}

std::u16string RealText(double real, bool single) {
    char buffer[64];
    if (single) {
        // The shortest form that reads back as the same single-precision value.
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<float>(real),
                                          std::chars_format::general);
        return Widen(std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)));
    }
    std::snprintf(buffer, sizeof buffer, "%.20g", real);
    return Widen(buffer);
}

std::u16string DateText(std::int64_t seconds, const std::string& format) {
    const std::time_t when = static_cast<std::time_t>(seconds);
    std::tm local{};
    if (localtime_r(&when, &local) == nullptr)
        return {};
    char buffer[256];
    std::size_t size = 0;
    if (format.empty()) {
        size = std::strftime(buffer, sizeof buffer, "%Y-%m-%d %H:%M:%S", &local);
    } else {
        // The format is the caller's own argument, never stored data.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
        size = std::strftime(buffer, sizeof buffer, format.c_str(), &local);
#pragma GCC diagnostic pop
    }
    return Widen(std::string_view(buffer, size));
}

std::int16_t Low16(std::int64_t value) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(value & 0xFFFF));
}

// Leading decimal integer of a text, as the engine reads a number from text; 0 without one.
std::int64_t LeadingInteger(const std::u16string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';
    std::uint64_t number = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        number = number * 10 + static_cast<std::uint64_t>(text[i] - u'0');
    return static_cast<std::int64_t>(negative ? 0 - number : number);
}
} // namespace

bool ValueToText(const SqlValue& value, const ColumnType& type, std::u16string& text,
                 const std::string& dateFormat) {
    if (std::holds_alternative<std::monostate>(value)) {
        text.clear();
    } else if (const auto* number = std::get_if<std::int64_t>(&value)) {
        if (type.boolean)
            text = *number != 0 ? u"T" : u"F";
        else if (type.date)
            text = DateText(*number, dateFormat);
        else
            text = Decimal(*number);
    } else if (const auto* real = std::get_if<double>(&value)) {
        text = RealText(*real, type.single);
    } else if (const auto* stored = std::get_if<std::u16string>(&value)) {
        text = *stored;
        if (!text.empty() && text.size() < type.fixedWidth)
            text.append(type.fixedWidth - text.size(), u' ');
    } else {
        return false;
    }
    return true;
}

int ValueToInt(const SqlValue& value) {
    if (const auto* number = std::get_if<std::int64_t>(&value))
        return Low16(*number);
    if (const auto* real = std::get_if<double>(&value))
        return *real > -9.2e18 && *real < 9.2e18 ? Low16(static_cast<std::int64_t>(*real)) : 0;
    if (const auto* text = std::get_if<std::u16string>(&value))
        return Low16(LeadingInteger(*text));
    return 0;
}

SqlValue TextToValue(std::u16string_view text) {
    if (text.empty())
        return std::monostate{};
    return std::u16string(text);
}

SqlValue IntToValue(int value) {
    return static_cast<std::int64_t>(Low16(value));
}

} // namespace lumicord
