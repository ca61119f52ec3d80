#include "records/ColumnType.h"

#include <cctype>
#include <string>

namespace lumicord {
namespace {
constexpr std::size_t kMaxFixedWidth = 8000;

std::string Lower(const char* text) {
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool IsOneOf(const std::string& name, std::initializer_list<const char*> names) {
    for (const char* candidate : names)
        if (name == candidate)
            return true;
    return false;
}
} // namespace

ColumnType ParseDeclaredType(const char* declared) {
    ColumnType type;
    if (declared == nullptr)
        return type;
    const std::string text = Lower(declared);
    const std::size_t open = text.find('(');
    std::string name = text.substr(0, open);
    while (!name.empty() && name.back() == ' ')
        name.pop_back();
    if (IsOneOf(name, {"char", "character", "nchar"}) && open != std::string::npos) {
        std::size_t width = 0;
        for (std::size_t i = open + 1;
             i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) != 0; ++i) {
            width = width * 10 + static_cast<std::size_t>(text[i] - '0');
            if (width > kMaxFixedWidth)
                return type; // not a width a fixed text column can have
        }
        type.fixedWidth = width;
    }
    type.boolean = IsOneOf(name, {"bit", "yesno", "logical", "boolean", "bool"});
    type.single = IsOneOf(name, {"real", "single", "float4", "ieeesingle"});
    type.date = IsOneOf(name, {"date", "datetime", "time", "timestamp"});
    return type;
}

} // namespace lumicord
