#include "records/SqliteStatement.h"

#include <sqlite3.h>

#include "platform/TextConversion.h"
#include "records/JetDialect.h"

namespace lumicord {
namespace {
// The database holds UTF-8; most texts are ASCII and widen without decoding.
std::u16string Utf16Of(std::string_view utf8) {
    for (char c : utf8)
        if (static_cast<unsigned char>(c) >= 0x80)
            return Utf8ToUtf16(utf8);
    return std::u16string(utf8.begin(), utf8.end());
}
} // namespace

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(m_statement);
}

bool SqliteStatement::Prepare(sqlite3* db, std::string_view sql, EngineError& error,
                              std::string* tail) {
    sqlite3_finalize(m_statement);
    m_statement = nullptr;
    m_db = db;
    const std::string text = TranslateJetSql(sql);
    const char* rest = nullptr;
    const int rc =
        sqlite3_prepare_v2(db, text.c_str(), static_cast<int>(text.size()), &m_statement, &rest);
    if (rc != SQLITE_OK) {
        error = SqliteError(db, rc);
        return false;
    }
    if (tail != nullptr)
        *tail = rest != nullptr ? std::string(rest) : std::string();
    if (m_statement == nullptr) {
        error = LayerError(SQLITE_MISUSE, "the command text holds no statement");
        return false;
    }
    return true;
}

bool SqliteStatement::Bind(const SqlParameters& parameters, EngineError& error) {
    for (std::size_t i = 0; i < parameters.size(); ++i) {
        const int index = static_cast<int>(i) + 1;
        const SqlValue& value = parameters[i];
        int rc = SQLITE_OK;
        if (const auto* number = std::get_if<std::int64_t>(&value))
            rc = sqlite3_bind_int64(m_statement, index, *number);
        else if (const auto* real = std::get_if<double>(&value))
            rc = sqlite3_bind_double(m_statement, index, *real);
        else if (const auto* text = std::get_if<std::u16string>(&value))
            rc = sqlite3_bind_text16(m_statement, index, text->data(),
                                     static_cast<int>(text->size() * sizeof(char16_t)),
                                     SQLITE_TRANSIENT);
        else if (const auto* blob = std::get_if<SqlBlob>(&value))
            rc = sqlite3_bind_blob(m_statement, index, blob->data(), static_cast<int>(blob->size()),
                                   SQLITE_TRANSIENT);
        else
            rc = sqlite3_bind_null(m_statement, index);
        if (rc != SQLITE_OK) {
            error = SqliteError(m_db, rc);
            return false;
        }
    }
    return true;
}

bool SqliteStatement::Step(bool& row, EngineError& error) {
    const int rc = sqlite3_step(m_statement);
    row = rc == SQLITE_ROW;
    if (rc == SQLITE_ROW || rc == SQLITE_DONE)
        return true;
    error = SqliteError(m_db, rc);
    return false;
}

bool SqliteStatement::Run(EngineError& error) {
    bool row = true;
    while (row)
        if (!Step(row, error))
            return false;
    return true;
}

int SqliteStatement::ColumnCount() const {
    return sqlite3_column_count(m_statement);
}

std::string SqliteStatement::ColumnName(int column) const {
    const char* name = sqlite3_column_name(m_statement, column);
    return name != nullptr ? name : "";
}

const char* SqliteStatement::DeclaredType(int column) const {
    return sqlite3_column_decltype(m_statement, column);
}

const char* SqliteStatement::TableName(int column) const {
    return sqlite3_column_table_name(m_statement, column);
}

const char* SqliteStatement::OriginName(int column) const {
    return sqlite3_column_origin_name(m_statement, column);
}

SqlValue SqliteStatement::Column(int column) const {
    switch (sqlite3_column_type(m_statement, column)) {
    case SQLITE_INTEGER:
        return static_cast<std::int64_t>(sqlite3_column_int64(m_statement, column));
    case SQLITE_FLOAT:
        return sqlite3_column_double(m_statement, column);
    case SQLITE_TEXT: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
        const auto bytes = static_cast<std::size_t>(sqlite3_column_bytes(m_statement, column));
        return text != nullptr ? Utf16Of(std::string_view(text, bytes)) : std::u16string();
    }
    case SQLITE_BLOB: {
        const auto* data =
            static_cast<const std::uint8_t*>(sqlite3_column_blob(m_statement, column));
        const int bytes = sqlite3_column_bytes(m_statement, column);
        return data != nullptr ? SqlBlob(data, data + bytes) : SqlBlob();
    }
    default:
        return std::monostate{};
    }
}

} // namespace lumicord
