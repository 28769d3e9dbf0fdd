// CDBException: every failure of the database layer. It carries what a support call needs to
// solve the problem without a debugger: the driver's message, the SQLSTATE and native code of
// each diagnostic record, and the statement that failed. Errors raised by the layer itself
// (an update that found no row, a recordset whose columns do not add up) use the same class
// with one of the AFX_SQL_ERROR_* return codes and no SQLSTATE.
#pragma once

#include <string>

#include "afx/Exception.h"
#include "afx/Export.h"
#include "afx/String.h"

// Return codes of errors that the layer detects itself (driver errors carry the ODBC return
// code, SQL_ERROR = -1, instead).
#define AFX_SQL_ERROR 1000
#define AFX_SQL_ERROR_NO_ROWS_AFFECTED (AFX_SQL_ERROR + 1)
#define AFX_SQL_ERROR_FIELD_COUNT (AFX_SQL_ERROR + 2)
#define AFX_SQL_ERROR_RECORDSET_NOT_OPEN (AFX_SQL_ERROR + 3)
#define AFX_SQL_ERROR_NO_CURRENT_RECORD (AFX_SQL_ERROR + 4)
#define AFX_SQL_ERROR_READONLY (AFX_SQL_ERROR + 5)
#define AFX_SQL_ERROR_DATABASE_NOT_OPEN (AFX_SQL_ERROR + 6)
#define AFX_SQL_ERROR_BAD_ARGUMENT (AFX_SQL_ERROR + 7)
#define AFX_SQL_ERROR_DATA (AFX_SQL_ERROR + 8)
// A statement refused without reaching the database, because the connection suffered a fatal
// failure earlier (the message repeats the database's words of it).
#define AFX_SQL_ERROR_CONNECTION_FAILED (AFX_SQL_ERROR + 9)

class ORVEL_API CDBException : public CException {
public:
    // An error of the layer itself: code is one of the AFX_SQL_ERROR_* values.
    CDBException(short retCode, const CString& message, const CString& sql = CString());
    // A driver error: the fields as read from the diagnostic records; fatal as the dialect of
    // the connection judges the failure (see IsFatal).
    CDBException(short retCode, const CString& error, const CString& stateNativeOrigin,
                 const CString& sqlState, long nativeError, const CString& sql, bool fatal = false);
    ~CDBException() override;

    // SQLSTATE of the first diagnostic record ("23505"), empty for errors of the layer.
    const CString& GetSqlState() const { return m_strSqlState; }
    // Native error code of the first record, as the database reports it.
    long GetNativeError() const { return m_nNativeError; }
    // The statement that failed, as sent to the driver (after the dialect's rewriting); empty
    // when the failure was not on a statement (connecting, committing).
    const CString& GetSQL() const { return m_strSQL; }

    // SQLSTATE families that callers may want to react to.
    bool IsIntegrityViolation() const { return m_strSqlState.Left(2) == "23"; }
    bool IsConnectionError() const { return m_strSqlState.Left(2) == "08"; }
    bool IsSerializationFailure() const { return m_strSqlState == "40001" || m_strSqlState == "40P01"; }
    // True when the failure ended the transaction or the connection, not just the statement: a
    // full disk, an I/O error, a read-only or unopenable file, a file that is not a database, a
    // lost connection, a server shutting down; and every statement the connection refused
    // afterwards. Retrying the statement cannot help; the transaction has to be rolled back
    // (or the connection closed) and the work done again.
    bool IsFatal() const { return m_bFatal || m_nRetCode == AFX_SQL_ERROR_CONNECTION_FAILED; }

    // ODBC return code (SQL_ERROR, SQL_INVALID_HANDLE) or an AFX_SQL_ERROR_* value.
    short m_nRetCode;
    // The driver's message text, without the "[vendor][driver]" origin prefix; one line per
    // diagnostic record.
    CString m_strError;
    // "State:%s,Native:%ld,Origin:%s\n" per diagnostic record.
    CString m_strStateNativeOrigin;

private:
    void compose();

    CString m_strSqlState;
    long m_nNativeError = 0;
    CString m_strSQL;
    bool m_bFatal = false;
};
