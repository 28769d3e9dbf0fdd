// Statement execution, parameter binding and column reading over the wide ODBC API.
#include "odbc/detail/Statement.h"

#include <algorithm>
#include <cstring>

namespace orvel::odbc::detail {

bool Value::operator==(const Value& other) const
{
    if (kind != other.kind || null != other.null)
        return false;
    if (null)
        return true;
    switch (kind) {
    case text: return textValue == other.textValue;
    case integer: return intValue == other.intValue;
    case timestamp: return std::memcmp(&tsValue, &other.tsValue, sizeof tsValue) == 0;
    }
    return false;
}

Statement::Statement(SQLHDBC connection, bool narrow) : m_handle(SQL_HANDLE_STMT, connection)
{
    m_handle.setNarrow(narrow);
}

bool Statement::ExecDirect(const CString& sql)
{
    m_sql = sql;
    m_prepared = false;
    SQLRETURN rc;
    if (m_handle.narrow()) {
        rc = SQLExecDirect(m_handle.get(), reinterpret_cast<SQLCHAR*>(const_cast<char*>(sql.GetString())),
                           static_cast<SQLINTEGER>(sql.GetLength()));
    } else {
        WString text = ToWide(sql.str());
        rc = SQLExecDirectW(m_handle.get(), text.data(), static_cast<SQLINTEGER>(text.size()));
    }
    rc = Check(rc, m_handle, "SQLExecDirect", m_sql);
    return rc != SQL_NO_DATA;
}

void Statement::Prepare(const CString& sql, const CString& shownSql)
{
    m_sql = shownSql.IsEmpty() ? sql : shownSql;
    SQLRETURN rc;
    if (m_handle.narrow()) {
        rc = SQLPrepare(m_handle.get(), reinterpret_cast<SQLCHAR*>(const_cast<char*>(sql.GetString())),
                        static_cast<SQLINTEGER>(sql.GetLength()));
    } else {
        WString text = ToWide(sql.str());
        rc = SQLPrepareW(m_handle.get(), text.data(), static_cast<SQLINTEGER>(text.size()));
    }
    Check(rc, m_handle, "SQLPrepare", m_sql);
    m_prepared = true;
}

void Statement::bind(const std::vector<Value>& params)
{
    Check(SQLFreeStmt(m_handle.get(), SQL_RESET_PARAMS), m_handle, "SQLFreeStmt", m_sql);
    m_texts.assign(params.size(), WString());
    m_narrowTexts.assign(params.size(), std::string());
    m_ints.assign(params.size(), 0);
    m_timestamps.assign(params.size(), SQL_TIMESTAMP_STRUCT{});
    m_indicators.assign(params.size(), 0);
    for (std::size_t i = 0; i < params.size(); ++i) {
        const Value& v = params[i];
        auto number = static_cast<SQLUSMALLINT>(i + 1);
        SQLLEN* indicator = &m_indicators[i];
        SQLRETURN rc;
        switch (v.kind) {
        case Value::integer:
            m_ints[i] = v.intValue;
            *indicator = v.null ? SQL_NULL_DATA : 0;
            rc = SQLBindParameter(m_handle.get(), number, SQL_PARAM_INPUT, SQL_C_SBIGINT, SQL_BIGINT, 0, 0,
                                  &m_ints[i], 0, indicator);
            break;
        case Value::timestamp:
            m_timestamps[i] = v.tsValue;
            *indicator = v.null ? SQL_NULL_DATA : static_cast<SQLLEN>(sizeof(SQL_TIMESTAMP_STRUCT));
            rc = SQLBindParameter(m_handle.get(), number, SQL_PARAM_INPUT, SQL_C_TYPE_TIMESTAMP, SQL_TYPE_TIMESTAMP,
                                  19, 0, &m_timestamps[i], 0, indicator);
            break;
        default: {
            if (m_handle.narrow()) {
                m_narrowTexts[i] = v.textValue;
                std::string& buffer = m_narrowTexts[i];
                *indicator = v.null ? SQL_NULL_DATA : static_cast<SQLLEN>(buffer.size());
                SQLSMALLINT sqlType = v.sqlType == 0 ? SQL_VARCHAR : v.sqlType;
                rc = SQLBindParameter(m_handle.get(), number, SQL_PARAM_INPUT, SQL_C_CHAR, sqlType,
                                      buffer.empty() ? 1 : buffer.size(), 0, buffer.data(),
                                      static_cast<SQLLEN>(buffer.size()), indicator);
                break;
            }
            m_texts[i] = ToWide(v.textValue);
            WString& buffer = m_texts[i];
            SQLLEN bytes = static_cast<SQLLEN>(buffer.size() * sizeof(SQLWCHAR));
            *indicator = v.null ? SQL_NULL_DATA : bytes;
            SQLSMALLINT sqlType = v.sqlType;
            if (sqlType == 0 || sqlType == SQL_VARCHAR || sqlType == SQL_CHAR)
                sqlType = SQL_WVARCHAR;
            else if (sqlType == SQL_LONGVARCHAR)
                sqlType = SQL_WLONGVARCHAR;
            SQLULEN size = buffer.empty() ? 1 : buffer.size();
            rc = SQLBindParameter(m_handle.get(), number, SQL_PARAM_INPUT, SQL_C_WCHAR, sqlType, size, 0,
                                  const_cast<SQLWCHAR*>(buffer.c_str()), bytes, indicator);
            break;
        }
        }
        Check(rc, m_handle, "SQLBindParameter", m_sql);
    }
}

bool Statement::Execute(const std::vector<Value>& params)
{
    Check(SQLFreeStmt(m_handle.get(), SQL_CLOSE), m_handle, "SQLFreeStmt", m_sql);
    bind(params);
    SQLRETURN rc = Check(SQLExecute(m_handle.get()), m_handle, "SQLExecute", m_sql);
    return rc != SQL_NO_DATA;
}

bool Statement::Run(const CString& sql, const std::vector<Value>& params)
{
    Prepare(sql);
    return Execute(params);
}

SQLLEN Statement::RowCount()
{
    SQLLEN count = 0;
    Check(SQLRowCount(m_handle.get(), &count), m_handle, "SQLRowCount", m_sql);
    return count;
}

int Statement::ColumnCount()
{
    SQLSMALLINT count = 0;
    Check(SQLNumResultCols(m_handle.get(), &count), m_handle, "SQLNumResultCols", m_sql);
    return count;
}

CString Statement::ColumnName(int column)
{
    if (m_handle.narrow()) {
        char name[1024];
        SQLSMALLINT length = 0;
        Check(SQLColAttribute(m_handle.get(), static_cast<SQLUSMALLINT>(column), SQL_DESC_LABEL, name, sizeof name,
                              &length, nullptr),
              m_handle, "SQLColAttribute", m_sql);
        return CString(name, std::min<int>(length, static_cast<int>(sizeof name) - 1));
    }
    SQLWCHAR name[512];
    SQLSMALLINT length = 0;
    Check(SQLColAttributeW(m_handle.get(), static_cast<SQLUSMALLINT>(column), SQL_DESC_LABEL, name, sizeof name,
                           &length, nullptr),
          m_handle, "SQLColAttribute", m_sql);
    std::size_t chars = std::min<std::size_t>(static_cast<std::size_t>(length) / sizeof(SQLWCHAR),
                                              sizeof name / sizeof name[0] - 1);
    return CString(FromWide(name, chars));
}

bool Statement::Fetch()
{
    return Check(SQLFetch(m_handle.get()), m_handle, "SQLFetch", m_sql) != SQL_NO_DATA;
}

bool Statement::GetText(int column, std::string& out)
{
    if (m_handle.narrow()) {
        char buffer[512];
        constexpr SQLLEN capacity = sizeof buffer;
        out.clear();
        for (;;) {
            SQLLEN indicator = 0;
            SQLRETURN rc = Check(SQLGetData(m_handle.get(), static_cast<SQLUSMALLINT>(column), SQL_C_CHAR, buffer,
                                            capacity, &indicator),
                                 m_handle, "SQLGetData", m_sql);
            if (rc == SQL_NO_DATA)
                break;
            if (indicator == SQL_NULL_DATA)
                return false;
            std::size_t chars;
            if (rc == SQL_SUCCESS_WITH_INFO && (indicator == SQL_NO_TOTAL || indicator >= capacity))
                chars = capacity - 1;
            else
                chars = static_cast<std::size_t>(indicator);
            out.append(buffer, chars);
            if (rc == SQL_SUCCESS)
                break;
        }
        return true;
    }
    SQLWCHAR buffer[256];
    constexpr SQLLEN capacity = sizeof buffer;
    WString collected;
    for (bool first = true;; first = false) {
        SQLLEN indicator = 0;
        SQLRETURN rc = Check(SQLGetData(m_handle.get(), static_cast<SQLUSMALLINT>(column), SQL_C_WCHAR, buffer,
                                        capacity, &indicator),
                             m_handle, "SQLGetData", m_sql);
        if (rc == SQL_NO_DATA)
            break;  // every piece already read
        if (indicator == SQL_NULL_DATA) {
            out.clear();
            return false;
        }
        std::size_t chars;
        if (rc == SQL_SUCCESS_WITH_INFO && (indicator == SQL_NO_TOTAL || indicator >= capacity))
            chars = capacity / sizeof(SQLWCHAR) - 1;  // truncated piece: buffer full but for the terminator
        else
            chars = static_cast<std::size_t>(indicator) / sizeof(SQLWCHAR);
        if (first && rc == SQL_SUCCESS) {
            out = FromWide(buffer, chars);
            return true;
        }
        collected.append(buffer, chars);
        if (rc == SQL_SUCCESS)
            break;
    }
    out = FromWide(collected);
    return true;
}

bool Statement::GetInteger(int column, long long& out)
{
    SQLLEN indicator = 0;
    Check(SQLGetData(m_handle.get(), static_cast<SQLUSMALLINT>(column), SQL_C_SBIGINT, &out, sizeof out, &indicator),
          m_handle, "SQLGetData", m_sql);
    if (indicator == SQL_NULL_DATA) {
        out = 0;
        return false;
    }
    return true;
}

bool Statement::GetTimestamp(int column, SQL_TIMESTAMP_STRUCT& out)
{
    SQLLEN indicator = 0;
    Check(SQLGetData(m_handle.get(), static_cast<SQLUSMALLINT>(column), SQL_C_TYPE_TIMESTAMP, &out, sizeof out,
                     &indicator),
          m_handle, "SQLGetData", m_sql);
    if (indicator == SQL_NULL_DATA) {
        out = SQL_TIMESTAMP_STRUCT{};
        return false;
    }
    return true;
}

Value Statement::Get(int column, Value::Kind kind)
{
    Value v = Value::Null(kind);
    switch (kind) {
    case Value::integer: v.null = !GetInteger(column, v.intValue); break;
    case Value::timestamp: v.null = !GetTimestamp(column, v.tsValue); break;
    default: v.null = !GetText(column, v.textValue); break;
    }
    return v;
}

void Statement::CloseCursor()
{
    Check(SQLFreeStmt(m_handle.get(), SQL_CLOSE), m_handle, "SQLFreeStmt", m_sql);
}

}  // namespace orvel::odbc::detail
