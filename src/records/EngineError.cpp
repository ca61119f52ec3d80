#include "records/EngineError.h"

#include <cstdio>
#include <sqlite3.h>

namespace lumicord {
namespace {
constexpr const char* kEngineSource = "SQLite";

std::string WithoutTrailingLineBreak(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return text;
}
} // namespace

EngineError SqliteError(sqlite3* db, int code) {
    EngineError error;
    error.code = code;
    error.meaning = sqlite3_errstr(code);
    error.source = kEngineSource;
    error.description = db != nullptr ? sqlite3_errmsg(db) : error.meaning;
    return error;
}

EngineError LayerError(int code, std::string description) {
    EngineError error;
    error.code = code;
    error.meaning = sqlite3_errstr(code);
    error.source = kEngineSource;
    error.description = std::move(description);
    return error;
}

std::string FormatErrorText(std::string_view prefix, std::string_view subject,
                            std::string_view header, const EngineError& error) {
    char code[16];
    std::snprintf(code, sizeof code, "%08lx",
                  static_cast<unsigned long>(static_cast<std::uint32_t>(error.code)));
    std::string text;
    text.append(prefix).append(subject).append("\n");
    text.append(header).append("\n\tCode = ").append(code);
    text.append("\n\tCode meaning = ").append(WithoutTrailingLineBreak(error.meaning));
    text.append("\n\tSource = ").append(error.source);
    text.append("\n\tDescription = ").append(error.description).append("\n");
    return text;
}

} // namespace lumicord
