// One ODBC statement handle with the few operations the layer needs: prepare or run text,
// bind input parameters from values, fetch rows and read columns as text, integer or
// timestamp. This is the one place where the layer binds data. Text travels as UTF-16
// (SQL_C_WCHAR, wide API), converted to and from our UTF-8 here, except on narrow connections
// (ANSI-only drivers such as SQLite3's), where UTF-8 bytes go through the narrow API unchanged.
#pragma once

#include <sql.h>
#include <sqlext.h>

#include <string>
#include <vector>

#include "afx/String.h"
#include "odbc/detail/Handle.h"
#include "odbc/detail/Unicode.h"

namespace orvel::odbc::detail {

// A value going to or coming from the database. A null value still has a kind, so that its
// parameter is bound with the column's type (PostgreSQL infers operator types from it).
struct Value {
    enum Kind { text, integer, timestamp };
    Kind kind = text;
    bool null = true;
    std::string textValue;
    long long intValue = 0;
    SQL_TIMESTAMP_STRUCT tsValue{};
    SQLSMALLINT sqlType = 0;  // SQL type of a text parameter (0: SQL_WVARCHAR)

    static Value Null(Kind kind) { Value v; v.kind = kind; return v; }
    static Value Text(std::string s, SQLSMALLINT sqlType = 0) { Value v; v.kind = text; v.null = false; v.textValue = std::move(s); v.sqlType = sqlType; return v; }
    static Value Integer(long long i) { Value v; v.kind = integer; v.null = false; v.intValue = i; return v; }
    static Value Timestamp(const SQL_TIMESTAMP_STRUCT& ts) { Value v; v.kind = timestamp; v.null = false; v.tsValue = ts; return v; }
    bool operator==(const Value& other) const;
};

class Statement {
public:
    Statement(SQLHDBC connection, bool narrow);

    // Runs text with no parameters. Returns false when the statement affected no row and
    // produced no result (SQL_NO_DATA), true otherwise.
    bool ExecDirect(const CString& sql);
    // Prepares sql; errors of this statement quote shownSql instead when it is given (the text
    // the caller wrote, when sql is a form of it made for the driver).
    void Prepare(const CString& sql, const CString& shownSql = CString());
    // Binds the values as input parameters 1..n and executes the prepared statement; the
    // parameter buffers stay alive until the next call.
    bool Execute(const std::vector<Value>& params);
    // Prepare + Execute.
    bool Run(const CString& sql, const std::vector<Value>& params);

    SQLLEN RowCount();
    int ColumnCount();
    CString ColumnName(int column);  // 1-based
    bool Fetch();
    // Column readers (1-based); each returns false for NULL. Text is read whole, whatever its
    // length.
    bool GetText(int column, std::string& out);
    bool GetInteger(int column, long long& out);
    bool GetTimestamp(int column, SQL_TIMESTAMP_STRUCT& out);
    // Reads a column as the value kind asks.
    Value Get(int column, Value::Kind kind);
    void CloseCursor();

    const CString& Sql() const { return m_sql; }
    SQLHSTMT get() const { return m_handle.get(); }

private:
    void bind(const std::vector<Value>& params);

    Handle m_handle;
    CString m_sql;
    bool m_prepared = false;
    // Parameter buffers, kept until the next execution.
    std::vector<WString> m_texts;
    std::vector<std::string> m_narrowTexts;
    std::vector<long long> m_ints;
    std::vector<SQL_TIMESTAMP_STRUCT> m_timestamps;
    std::vector<SQLLEN> m_indicators;
};

}  // namespace orvel::odbc::detail
