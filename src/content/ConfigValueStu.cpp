#include "content/ConfigValueStu.h"

#include <cstring>
#include <limits>

namespace lumicord {

void SetFieldText(char* field, std::size_t size, std::string_view value) {
    if (size == 0)
        return;
    std::size_t length = value.size() < size - 1 ? value.size() : size - 1;
    // Step back over continuation bytes so a multi-byte character is kept whole or dropped.
    if (length < value.size())
        while (length > 0 && (static_cast<unsigned char>(value[length]) & 0xC0) == 0x80)
            --length;
    std::memcpy(field, value.data(), length);
    std::memset(field + length, 0, size - length);
}

int DecimalValue(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || (text[at] >= '\t' && text[at] <= '\r')))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        negative = text[at++] == '-';
    long long value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        value = value * 10 + (text[at] - '0');
        if (value > std::numeric_limits<int>::max())
            return negative ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
    }
    return static_cast<int>(negative ? -value : value);
}

} // namespace lumicord
