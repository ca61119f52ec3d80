#include "records/CADORecordset.h"

#include <cctype>
#include <sqlite3.h>

#include "records/CADODatabase.h"
#include "records/EngineError.h"
#include "records/FieldConversion.h"
#include "records/SqliteConnection.h"
#include "records/StaticRowSet.h"

namespace lumicord {
namespace {
constexpr const char* kErrorPrefix = "Query = ";
constexpr const char* kErrorHeader = "CADORecordset Error";
} // namespace

CADORecordset::CADORecordset() : m_rows(std::make_shared<StaticRowSet>()) {}

CADORecordset::CADORecordset(const CADODatabase& database)
    : m_rows(std::make_shared<StaticRowSet>()), m_connection(database.Connection()) {}

CADORecordset::~CADORecordset() {
    CloseQuery();
}

void CADORecordset::BindConnection(const CADODatabase& database) {
    m_connection = database.Connection();
}

bool CADORecordset::OpenQuery(const std::string& sql, const SqlParameters& parameters,
                              std::shared_ptr<SqliteConnection> connection) {
    CloseQuery();
    if (!sql.empty())
        m_queryText = sql;
    if (!m_connection)
        m_connection = std::move(connection);
    std::size_t start = 0;
    while (start < m_queryText.size() &&
           std::isspace(static_cast<unsigned char>(m_queryText[start])) != 0)
        ++start;
    m_queryText.erase(0, start);
    if (!m_connection || !m_connection->IsOpen()) {
        RecordError(LayerError(SQLITE_MISUSE, "the connection is closed"));
        return false;
    }
    EngineError error;
    if (!m_rows->Load(*m_connection, m_queryText, parameters, error)) {
        RecordError(error);
        return false;
    }
    return true;
}

bool CADORecordset::IsQueryOpen() const {
    return m_rows->IsOpen() && m_connection && m_connection->IsOpen();
}

void CADORecordset::CloseQuery() {
    if (!IsQueryOpen())
        return;
    if (m_editMode != EditNone) {
        m_rows->CancelUpdate();
        m_editMode = EditNone;
    }
    m_rows->Close();
}

int CADORecordset::CountRows() const {
    return IsQueryOpen() ? static_cast<int>(m_rows->Count()) : 0;
}

void CADORecordset::NextRow() {
    if (IsQueryOpen())
        m_rows->MoveNext();
}

int CADORecordset::FieldIndex(std::string_view field) {
    if (!IsQueryOpen()) {
        RecordError(LayerError(SQLITE_MISUSE, "the query is not open"));
        return -1;
    }
    const int index = m_rows->FindColumn(field);
    if (index < 0)
        RecordError(LayerError(SQLITE_NOTFOUND, "no such field: " + std::string(field)));
    return index;
}

bool CADORecordset::ReadText(std::string_view field, std::u16string& text,
                             const std::string& dateFormat) {
    const int index = FieldIndex(field);
    if (index < 0)
        return false;
    const SqlValue* value = m_rows->Value(index);
    if (value == nullptr) {
        RecordError(LayerError(SQLITE_NOTFOUND, "there is no current row"));
        return false;
    }
    return ValueToText(*value, m_rows->Column(index).type, text, dateFormat);
}

bool CADORecordset::ReadInt(std::string_view field, int& value) {
    const int index = FieldIndex(field);
    if (index < 0)
        return false;
    const SqlValue* stored = m_rows->Value(index);
    if (stored == nullptr) {
        RecordError(LayerError(SQLITE_NOTFOUND, "there is no current row"));
        return false;
    }
    value = ValueToInt(*stored);
    return true;
}

bool CADORecordset::BeginNewRow() {
    m_editMode = EditNone;
    if (!IsQueryOpen()) {
        RecordError(LayerError(SQLITE_MISUSE, "the query is not open"));
        return false;
    }
    EngineError error;
    if (!m_rows->AddNew(error)) {
        RecordError(error);
        return false;
    }
    m_editMode = EditNew;
    return true;
}

void CADORecordset::BeginEditRow() {
    m_editMode = EditExisting;
}

bool CADORecordset::WriteValue(int index, SqlValue value) {
    EngineError error;
    if (!m_rows->SetValue(index, std::move(value), error)) {
        RecordError(error);
        return false;
    }
    return true;
}

bool CADORecordset::WriteText(std::string_view field, std::u16string_view text) {
    if (m_editMode == EditNone)
        return false;
    const int index = FieldIndex(field);
    if (index < 0)
        return false;
    return WriteValue(index, TextToValue(text));
}

bool CADORecordset::WriteInt(std::string_view field, int value) {
    if (m_editMode == EditNone)
        return false;
    const int index = FieldIndex(field);
    if (index < 0)
        return false;
    return WriteValue(index, IntToValue(value));
}

bool CADORecordset::CommitRow() {
    if (m_editMode == EditNone)
        return true;
    bool ok = false;
    if (IsQueryOpen()) {
        EngineError error;
        ok = m_rows->Update(*m_connection, error);
        if (!ok)
            RecordError(error); // Update has dropped the pending values
    } else {
        RecordError(LayerError(SQLITE_MISUSE, "the query is not open"));
    }
    m_editMode = EditNone;
    return ok;
}

void CADORecordset::RecordError(const EngineError& error) {
    m_lastErrorCode = error.code;
    m_lastErrorText = FormatErrorText(kErrorPrefix, m_queryText, kErrorHeader, error);
}

} // namespace lumicord
