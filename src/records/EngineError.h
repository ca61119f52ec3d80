// An error of the database engine as the wrappers record it, and the text they format from it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct sqlite3;

namespace lumicord {

struct EngineError {
    std::int32_t code = 0;
    std::string meaning;
    std::string source;
    std::string description;
};

// The engine's error `code` on `db`: its meaning, source "SQLite" and the engine's message
// (the meaning again when there is no handle).
EngineError SqliteError(sqlite3* db, int code);
// An error the wrapper layer detects itself, with an engine code and our own description.
EngineError LayerError(int code, std::string description);

// "<prefix><subject>\n" followed by "<header>\n\tCode = %08lx\n\tCode meaning = %s\n\tSource = %s
// \n\tDescription = %s\n" filled from `error`.
std::string FormatErrorText(std::string_view prefix, std::string_view subject,
                            std::string_view header, const EngineError& error);

} // namespace lumicord
