// The rows one query selected, held in memory like a static cursor: counted exactly, walked
// forwards, and edited or extended row by row through the table the columns come from.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "records/ColumnType.h"
#include "records/EngineError.h"
#include "records/SqlValue.h"

namespace lumicord {

class SqliteConnection;

struct RowSetColumn {
    std::string name;   // as the query names it
    std::string origin; // the table column it comes from; empty for an expression
    ColumnType type;
};

class StaticRowSet {
public:
    // Runs `sql` and keeps every row. Rows of a query over one table can be edited.
    bool Load(SqliteConnection& connection, std::string_view sql, const SqlParameters& parameters,
              EngineError& error);
    // Drops the rows; their storage is kept for the next query.
    void Close();
    bool IsOpen() const { return m_open; }

    std::size_t Count() const { return m_rowCount; }
    bool AtEnd() const { return m_position >= m_rowCount; }
    void MoveNext();
    void MoveFirst() { m_position = 0; }

    // Index of the column named `name` (any case), or -1.
    int FindColumn(std::string_view name) const;
    const RowSetColumn& Column(int column) const {
        return m_columns[static_cast<std::size_t>(column)];
    }
    // Value in the current row; null at the end.
    const SqlValue* Value(int column) const;

    // Starts a new row; it is inserted by Update.
    bool AddNew(EngineError& error);
    // Sets a value of the new row or, without one, of the current row.
    bool SetValue(int column, SqlValue value, EngineError& error);
    // Writes the pending values to the table; the row set then holds them too.
    bool Update(SqliteConnection& connection, EngineError& error);
    void CancelUpdate();

private:
    enum class Pending { None, NewRow, CurrentRow };

    bool LoadRows(SqliteConnection& connection, std::string_view sql,
                  const SqlParameters& parameters, bool withRowId, EngineError& error);
    bool Insert(SqliteConnection& connection, EngineError& error);
    bool UpdateCurrent(SqliteConnection& connection, EngineError& error);

    std::vector<RowSetColumn> m_columns;
    std::string m_table; // the one table of every column; empty: the rows cannot be edited
    std::vector<std::int64_t> m_rowIds;
    std::vector<SqlValue> m_values; // row after row, one value per column
    std::size_t m_rowCount = 0;
    std::size_t m_position = 0;
    bool m_open = false;
    Pending m_pending = Pending::None;
    std::vector<std::optional<SqlValue>> m_pendingValues;
};

} // namespace lumicord
