// The recordset wrapper of the result store: opens a query as a static cursor on a
// CADODatabase's connection, reads fields by name, edits or adds a row, and records the last
// engine error as text. Copies share the connection and the open rows.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "records/SqlValue.h"

namespace lumicord {

class CADODatabase;
class SqliteConnection;
class StaticRowSet;
struct EngineError;

enum EditMode : int {
    EditNone = 0,
    EditNew = 1,
    EditExisting = 2,
};

class CADORecordset {
public:
    CADORecordset();
    explicit CADORecordset(const CADODatabase& database);
    virtual ~CADORecordset();
    CADORecordset(const CADORecordset&) = default;
    CADORecordset& operator=(const CADORecordset&) = default;

    // Works on `database`'s connection from now on.
    void BindConnection(const CADODatabase& database);

    // Runs `sql` and keeps the rows it selects; values bind to its ? marks in order. An
    // empty `sql` runs the last query again; `connection` is taken when none is held yet.
    bool OpenQuery(const std::string& sql, const SqlParameters& parameters = {},
                   std::shared_ptr<SqliteConnection> connection = nullptr);
    bool IsQueryOpen() const;
    // Drops a pending edit and the rows.
    void CloseQuery();
    int CountRows() const;
    void NextRow();

    bool ReadText(std::string_view field, std::u16string& text, const std::string& dateFormat = {});
    bool ReadInt(std::string_view field, int& value);

    bool BeginNewRow();
    void BeginEditRow();
    bool WriteText(std::string_view field, std::u16string_view text);
    bool WriteInt(std::string_view field, int value);
    bool CommitRow();

    EditMode Mode() const { return m_editMode; }
    const std::string& QueryText() const { return m_queryText; }
    const std::string& LastErrorText() const { return m_lastErrorText; }
    std::int32_t LastErrorCode() const { return m_lastErrorCode; }

private:
    // Index of `field` in the open rows, or -1 with the error recorded.
    int FieldIndex(std::string_view field);
    bool WriteValue(int index, SqlValue value);
    void RecordError(const EngineError& error);

    std::shared_ptr<StaticRowSet> m_rows;
    std::shared_ptr<SqliteConnection> m_connection;
    EditMode m_editMode = EditNone;
    std::string m_lastErrorText;
    std::int32_t m_lastErrorCode = 0;
    std::string m_queryText;
};

} // namespace lumicord
