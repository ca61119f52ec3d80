#include "records/SqliteConnection.h"

#include "platform/CaseFolding.h"

#include <cctype>
#include <filesystem>
#include <sqlite3.h>

#include "records/SqliteStatement.h"

namespace lumicord {
namespace {
constexpr const char* kOneRunPragmas = "PRAGMA journal_mode=MEMORY;PRAGMA synchronous=OFF;";
// Written into a new file so that it is a database from the first moment on.
constexpr const char* kStampFile = "PRAGMA application_id=1280658765;";
// Reading the schema tells a database file from any other file.
constexpr const char* kCheckFile = "SELECT count(*) FROM sqlite_master;";

bool RunAll(sqlite3* db, const char* sql, EngineError& error) {
    char* message = nullptr;
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, &message);
    sqlite3_free(message);
    if (rc == SQLITE_OK)
        return true;
    error = SqliteError(db, rc);
    return false;
}

std::string TrimBlanks(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())) != 0)
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())) != 0)
        text.remove_suffix(1);
    return std::string(text);
}

} // namespace

SqliteConnection::~SqliteConnection() {
    Close();
}

bool SqliteConnection::CreateFile(const std::string& path, EngineError& error) {
    std::error_code ec;
    if (path.empty() || std::filesystem::exists(path, ec)) {
        error = LayerError(SQLITE_CANTOPEN, "the database file already exists or has no name");
        return false;
    }
    sqlite3* db = nullptr;
    const int rc =
        sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    bool ok = rc == SQLITE_OK;
    if (!ok)
        error = SqliteError(db, rc);
    else
        ok = RunAll(db, kStampFile, error);
    sqlite3_close(db);
    return ok;
}

bool SqliteConnection::Open(const std::string& path, int busySeconds, EngineError& error) {
    Close();
    if (path.empty()) {
        error = LayerError(SQLITE_CANTOPEN, "the connection string names no data source");
        return false;
    }
    sqlite3* db = nullptr;
    // One caller at a time uses a connection (the result store holds its lock), so the
    // engine's own per-call locking is left out.
    const int rc =
        sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        error = SqliteError(db, rc);
        sqlite3_close(db);
        return false;
    }
    if (busySeconds > 0)
        sqlite3_busy_timeout(db, busySeconds * 1000);
    if (!RunAll(db, kCheckFile, error) || !RunAll(db, kOneRunPragmas, error)) {
        sqlite3_close(db);
        return false;
    }
    m_db = db;
    return true;
}

void SqliteConnection::Close() {
    if (m_db != nullptr)
        sqlite3_close_v2(m_db);
    m_db = nullptr;
}

bool SqliteConnection::Execute(std::string_view sql, const SqlParameters& parameters, int& changes,
                               EngineError& error) {
    changes = 0;
    if (m_db == nullptr) {
        error = LayerError(SQLITE_MISUSE, "the connection is closed");
        return false;
    }
    std::string rest(sql);
    bool first = true;
    do {
        SqliteStatement statement;
        std::string tail;
        if (!statement.Prepare(m_db, rest, error, &tail))
            return false;
        if (first && !statement.Bind(parameters, error))
            return false;
        if (!statement.Run(error))
            return false;
        changes = sqlite3_changes(m_db);
        first = false;
        rest = TrimBlanks(tail);
    } while (!rest.empty());
    return true;
}

std::string DataSourceOf(std::string_view connectionString) {
    while (!connectionString.empty()) {
        const std::size_t end = connectionString.find(';');
        const std::string_view part = connectionString.substr(0, end);
        const std::size_t equals = part.find('=');
        if (equals != std::string_view::npos &&
            EqualsIgnoringAsciiCase(TrimBlanks(part.substr(0, equals)), "Data Source"))
            return TrimBlanks(part.substr(equals + 1));
        if (end == std::string_view::npos)
            break;
        connectionString.remove_prefix(end + 1);
    }
    return {};
}

} // namespace lumicord
