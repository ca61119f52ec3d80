// One SQLite connection to an existing database file, tuned for a file that lives for one run
// of the program: the journal stays in memory and nothing is synced.
#pragma once

#include <string>
#include <string_view>

#include "records/EngineError.h"
#include "records/SqlValue.h"

struct sqlite3;

namespace lumicord {

class SqliteConnection {
public:
    SqliteConnection() = default;
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    // Makes a new, empty database file at `path`; fails when something exists there already.
    static bool CreateFile(const std::string& path, EngineError& error);

    // Opens the database file at `path` (which must exist and be a database). `busySeconds`
    // other than 0 sets how long a locked database is waited for.
    bool Open(const std::string& path, int busySeconds, EngineError& error);
    void Close();
    bool IsOpen() const { return m_db != nullptr; }
    sqlite3* Handle() const { return m_db; }

    // Runs every statement of `sql` with `parameters` bound to the first one; `changes` is the
    // number of rows the last statement changed.
    bool Execute(std::string_view sql, const SqlParameters& parameters, int& changes,
                 EngineError& error);

private:
    sqlite3* m_db = nullptr;
};

// The `Data Source` of a connection string such as "Provider=...;Data Source=<path>"; empty
// when the string names none.
std::string DataSourceOf(std::string_view connectionString);

} // namespace lumicord
