#include "records/CADODatabase.h"

#include "records/EngineError.h"
#include "records/SqliteConnection.h"

namespace lumicord {
namespace {
constexpr const char* kErrorPrefix = "Connection String = ";
constexpr const char* kErrorHeader = "CADODataBase Error";
} // namespace

CADODatabase::CADODatabase() : m_connection(std::make_shared<SqliteConnection>()) {}

CADODatabase::~CADODatabase() {
    Disconnect();
}

bool CADODatabase::CreateDatabaseFile(const std::string& connectionString) {
    EngineError error;
    if (SqliteConnection::CreateFile(DataSourceOf(connectionString), error))
        return true;
    RecordError(error);
    return false;
}

bool CADODatabase::Connect(const std::string& connectionString) {
    if (IsConnected())
        Disconnect();
    if (!connectionString.empty())
        m_connectionString = connectionString;
    EngineError error;
    if (m_connection->Open(DataSourceOf(m_connectionString), m_connectionTimeout, error))
        return true;
    RecordError(error);
    return false;
}

void CADODatabase::Disconnect() {
    if (IsConnected())
        m_connection->Close();
}

bool CADODatabase::IsConnected() const {
    return m_connection && m_connection->IsOpen();
}

bool CADODatabase::RunStatement(const std::string& sql, const SqlParameters& parameters) {
    m_recordsAffected = 0;
    EngineError error;
    int changes = 0;
    if (!m_connection->Execute(sql, parameters, changes, error)) {
        RecordError(error);
        return false;
    }
    m_recordsAffected = static_cast<std::int16_t>(static_cast<std::uint16_t>(changes & 0xFFFF));
    return true;
}

void CADODatabase::RecordError(const EngineError& error) {
    m_lastErrorCode = error.code;
    m_lastErrorDescription = error.description;
    m_lastErrorText = FormatErrorText(kErrorPrefix, m_connectionString, kErrorHeader, error);
}

} // namespace lumicord
