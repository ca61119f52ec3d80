// A prepared SQLite statement: binds parameters, steps, and reads columns as SqlValues.
#pragma once

#include <string>
#include <string_view>

#include "records/EngineError.h"
#include "records/SqlValue.h"

struct sqlite3;
struct sqlite3_stmt;

namespace lumicord {

class SqliteStatement {
public:
    SqliteStatement() = default;
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    // Prepares the first statement of `sql` (Jet forms translated); `tail` receives the rest.
    bool Prepare(sqlite3* db, std::string_view sql, EngineError& error,
                 std::string* tail = nullptr);
    // Binds `parameters` to ?1, ?2, ... in order.
    bool Bind(const SqlParameters& parameters, EngineError& error);
    // One step: true with `row` set for a row or cleared when done; false on an error.
    bool Step(bool& row, EngineError& error);
    // Steps to the end, ignoring rows.
    bool Run(EngineError& error);

    bool Prepared() const { return m_statement != nullptr; }
    int ColumnCount() const;
    std::string ColumnName(int column) const;
    const char* DeclaredType(int column) const;
    const char* TableName(int column) const;
    const char* OriginName(int column) const;
    SqlValue Column(int column) const;

private:
    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_statement = nullptr;
};

} // namespace lumicord
