// The database exception's one-line description, built once when it is thrown.
#include "odbc/DBException.h"

CDBException::CDBException(short retCode, const CString& message, const CString& sql)
    : m_nRetCode(retCode), m_strError(message), m_strSQL(sql)
{
    m_strStateNativeOrigin.Format("State:,Native:0,Origin:[OrvelMagDb]\n");
    compose();
}

CDBException::CDBException(short retCode, const CString& error, const CString& stateNativeOrigin,
                           const CString& sqlState, long nativeError, const CString& sql, bool fatal)
    : m_nRetCode(retCode), m_strError(error), m_strStateNativeOrigin(stateNativeOrigin),
      m_strSqlState(sqlState), m_nNativeError(nativeError), m_strSQL(sql), m_bFatal(fatal)
{
    compose();
}

CDBException::~CDBException() = default;

void CDBException::compose()
{
    // One line: several diagnostic records are joined with " | ".
    std::string text;
    for (char ch : m_strError.str()) {
        if (ch == '\n')
            text += " | ";
        else if (ch != '\r')
            text += ch;
    }
    std::string line;
    if (!m_strSqlState.IsEmpty())
        line = "SQLSTATE " + m_strSqlState.str() + " (native " + std::to_string(m_nNativeError) + "): ";
    line += text.empty() ? std::string("database error ") + std::to_string(m_nRetCode) : text;
    if (!m_strSQL.IsEmpty())
        line += " [SQL: " + m_strSQL.str() + "]";
    m_message = std::move(line);
}
