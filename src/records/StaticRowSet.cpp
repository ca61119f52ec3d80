#include "records/StaticRowSet.h"

#include "platform/CaseFolding.h"

#include <cctype>
#include <sqlite3.h>

#include "records/SqliteConnection.h"
#include "records/SqliteStatement.h"

namespace lumicord {
namespace {
// "select <rest>" becomes "select _rowid_,<rest>" so that each row can be found again; any
// other text gives an empty result.
std::string WithRowId(std::string_view sql) {
    constexpr std::string_view kSelect = "select";
    if (sql.size() <= kSelect.size() ||
        !EqualsIgnoringAsciiCase(sql.substr(0, kSelect.size()), kSelect) ||
        std::isspace(static_cast<unsigned char>(sql[kSelect.size()])) == 0)
        return {};
    std::string out = "select _rowid_,";
    out.append(sql.substr(kSelect.size()));
    return out;
}

std::string QuotedName(std::string_view name) {
    std::string out = "\"";
    for (char c : name) {
        if (c == '"')
            out.push_back('"');
        out.push_back(c);
    }
    out.push_back('"');
    return out;
}

std::string Text(const char* text) {
    return text != nullptr ? text : "";
}
} // namespace

bool StaticRowSet::Load(SqliteConnection& connection, std::string_view sql,
                        const SqlParameters& parameters, EngineError& error) {
    const std::string withRowId = WithRowId(sql);
    EngineError ignored;
    if (!withRowId.empty() && LoadRows(connection, withRowId, parameters, true, ignored))
        return true;
    // A query that cannot carry row ids (a join, "select distinct", ...) is read-only.
    return LoadRows(connection, sql, parameters, false, error);
}

bool StaticRowSet::LoadRows(SqliteConnection& connection, std::string_view sql,
                            const SqlParameters& parameters, bool withRowId, EngineError& error) {
    Close();
    SqliteStatement statement;
    if (!statement.Prepare(connection.Handle(), sql, error) || !statement.Bind(parameters, error))
        return false;
    const int first = withRowId ? 1 : 0;
    const int count = statement.ColumnCount();
    if (withRowId)
        m_table = Text(statement.TableName(0));
    for (int i = first; i < count; ++i) {
        RowSetColumn column;
        column.name = statement.ColumnName(i);
        column.origin = Text(statement.OriginName(i));
        column.type = ParseDeclaredType(statement.DeclaredType(i));
        if (Text(statement.TableName(i)) != m_table || column.origin.empty())
            m_table.clear();
        m_columns.push_back(std::move(column));
    }
    bool row = false;
    bool stepped = true;
    while ((stepped = statement.Step(row, error)) && row) {
        if (withRowId) {
            const SqlValue id = statement.Column(0);
            m_rowIds.push_back(std::holds_alternative<std::int64_t>(id) ? std::get<std::int64_t>(id)
                                                                        : 0);
        }
        for (int i = first; i < count; ++i)
            m_values.push_back(statement.Column(i));
        ++m_rowCount;
    }
    if (!stepped) {
        Close(); // stepping failed part way: keep nothing
        return false;
    }
    if (!withRowId)
        m_table.clear();
    m_open = true;
    return true;
}

void StaticRowSet::Close() {
    CancelUpdate();
    m_columns.clear();
    m_table.clear();
    m_rowIds.clear();
    m_values.clear();
    m_rowCount = 0;
    m_position = 0;
    m_open = false;
}

void StaticRowSet::MoveNext() {
    if (m_position < m_rowCount)
        ++m_position;
}

int StaticRowSet::FindColumn(std::string_view name) const {
    for (std::size_t i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].name == name)
            return static_cast<int>(i);
    for (std::size_t i = 0; i < m_columns.size(); ++i)
        if (EqualsIgnoringAsciiCase(m_columns[i].name, name))
            return static_cast<int>(i);
    return -1;
}

const SqlValue* StaticRowSet::Value(int column) const {
    if (AtEnd())
        return nullptr;
    return &m_values[m_position * m_columns.size() + static_cast<std::size_t>(column)];
}

bool StaticRowSet::AddNew(EngineError& error) {
    if (m_table.empty()) {
        error = LayerError(SQLITE_READONLY, "the rows of this query cannot be changed");
        return false;
    }
    m_pending = Pending::NewRow;
    m_pendingValues.assign(m_columns.size(), std::nullopt);
    return true;
}

bool StaticRowSet::SetValue(int column, SqlValue value, EngineError& error) {
    if (m_table.empty()) {
        error = LayerError(SQLITE_READONLY, "the rows of this query cannot be changed");
        return false;
    }
    if (m_pending == Pending::None) {
        if (AtEnd()) {
            error = LayerError(SQLITE_NOTFOUND, "there is no current row");
            return false;
        }
        m_pending = Pending::CurrentRow;
        m_pendingValues.assign(m_columns.size(), std::nullopt);
    }
    m_pendingValues[static_cast<std::size_t>(column)] = std::move(value);
    return true;
}

bool StaticRowSet::Update(SqliteConnection& connection, EngineError& error) {
    bool ok = true;
    if (m_pending == Pending::NewRow)
        ok = Insert(connection, error);
    else if (m_pending == Pending::CurrentRow)
        ok = UpdateCurrent(connection, error);
    CancelUpdate();
    return ok;
}

void StaticRowSet::CancelUpdate() {
    m_pending = Pending::None;
    m_pendingValues.clear();
}

bool StaticRowSet::Insert(SqliteConnection& connection, EngineError& error) {
    std::string names;
    std::string marks;
    SqlParameters parameters;
    std::vector<SqlValue> row(m_columns.size());
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        if (!m_pendingValues[i])
            continue;
        names.append(names.empty() ? "" : ",").append(QuotedName(m_columns[i].origin));
        marks.append(marks.empty() ? "?" : ",?");
        parameters.push_back(*m_pendingValues[i]);
        row[i] = *m_pendingValues[i];
    }
    std::string sql = "INSERT INTO " + QuotedName(m_table);
    sql += names.empty() ? " DEFAULT VALUES" : " (" + names + ") VALUES (" + marks + ")";
    int changes = 0;
    if (!connection.Execute(sql, parameters, changes, error))
        return false;
    m_rowIds.push_back(sqlite3_last_insert_rowid(connection.Handle()));
    for (SqlValue& value : row)
        m_values.push_back(std::move(value));
    m_position = m_rowCount++;
    return true;
}

bool StaticRowSet::UpdateCurrent(SqliteConnection& connection, EngineError& error) {
    if (AtEnd()) {
        error = LayerError(SQLITE_NOTFOUND, "there is no current row");
        return false;
    }
    std::string assignments;
    SqlParameters parameters;
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        if (!m_pendingValues[i])
            continue;
        assignments.append(assignments.empty() ? "" : ",")
            .append(QuotedName(m_columns[i].origin))
            .append("=?");
        parameters.push_back(*m_pendingValues[i]);
    }
    if (assignments.empty())
        return true;
    parameters.emplace_back(m_rowIds[m_position]);
    const std::string sql =
        "UPDATE " + QuotedName(m_table) + " SET " + assignments + " WHERE _rowid_=?";
    int changes = 0;
    if (!connection.Execute(sql, parameters, changes, error))
        return false;
    if (changes != 1) {
        error = LayerError(SQLITE_NOTFOUND, "the row no longer exists");
        return false;
    }
    SqlValue* row = &m_values[m_position * m_columns.size()];
    for (std::size_t i = 0; i < m_columns.size(); ++i)
        if (m_pendingValues[i])
            row[i] = *m_pendingValues[i];
    return true;
}

} // namespace lumicord
