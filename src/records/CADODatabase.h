// The database wrapper of the result store: one connection to a database file named by a
// connection string, statements run on it, and the last engine error recorded as text.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "records/SqlValue.h"

namespace lumicord {

class SqliteConnection;
struct EngineError;

class CADODatabase {
public:
    CADODatabase();
    virtual ~CADODatabase();
    CADODatabase(const CADODatabase&) = delete;
    CADODatabase& operator=(const CADODatabase&) = delete;

    // Makes a new, empty database file at the connection string's Data Source.
    bool CreateDatabaseFile(const std::string& connectionString);
    // Opens the connection (closing it first when open); an empty string reuses the last one.
    bool Connect(const std::string& connectionString = {});
    void Disconnect();
    bool IsConnected() const;
    // Runs a statement that returns no rows; `parameters` bind to its ? marks in order.
    bool RunStatement(const std::string& sql, const SqlParameters& parameters = {});

    // The connection that recordsets share; it outlives this object while they hold it.
    std::shared_ptr<SqliteConnection> Connection() const { return m_connection; }

    const std::string& ConnectionString() const { return m_connectionString; }
    const std::string& LastErrorText() const { return m_lastErrorText; }
    const std::string& LastErrorDescription() const { return m_lastErrorDescription; }
    std::int32_t LastErrorCode() const { return m_lastErrorCode; }
    // Rows the last RunStatement changed, as a 16-bit count.
    int RecordsAffected() const { return m_recordsAffected; }
    // Seconds a locked database is waited for at the next Connect; 0 leaves the default.
    void SetConnectionTimeout(std::int32_t seconds) { m_connectionTimeout = seconds; }

private:
    void RecordError(const EngineError& error);

    std::shared_ptr<SqliteConnection> m_connection;
    std::string m_connectionString;
    std::string m_lastErrorText;
    std::string m_lastErrorDescription;
    std::int32_t m_lastErrorCode = 0;
    int m_recordsAffected = 0;
    std::int32_t m_connectionTimeout = 0;
};

} // namespace lumicord
