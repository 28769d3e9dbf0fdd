// CDatabase: one connection to the database through unixODBC, as the host opens it and hands it
// to every recordset and domain object. It chooses the SQL dialect from what the driver reports,
// runs in autocommit mode outside transactions, and turns every failure into CDBException.
#pragma once

#include <memory>

#include "afx/Export.h"
#include "afx/Object.h"
#include "afx/String.h"
#include "afx/Types.h"
#include "odbc/Dialect.h"

namespace orvel::odbc::detail {
struct Connection;
}

class ORVEL_API CDatabase : public CObject {
    DECLARE_DYNAMIC(CDatabase)

public:
    enum DbOpenOptions {
        openExclusive = 0x0001,  // accepted and ignored: ODBC has no exclusive open
        openReadOnly = 0x0002,
        useCursorLib = 0x0004,  // accepted and ignored: recordsets keep their rows themselves
        noOdbcDialog = 0x0008,
        forceOdbcDialog = 0x0010,  // no dialog on this platform: treated as noOdbcDialog
    };

    CDatabase();
    ~CDatabase() override;
    CDatabase(const CDatabase&) = delete;
    CDatabase& operator=(const CDatabase&) = delete;

    // Connects with an ODBC connection string ("DRIVER=SQLite3;Database=/tmp/x.db",
    // "DRIVER={PostgreSQL Unicode};Server=...;Port=...;Database=...;Uid=...;Pwd=...", or
    // "DSN=name;..."); a leading "ODBC;" is dropped. Returns TRUE, or throws CDBException with the
    // driver's reason. Opening an open database throws.
    virtual BOOL OpenEx(LPCTSTR connect, DWORD options = 0);
    // The framework's older form: a data source name plus an optional connection string.
    virtual BOOL Open(LPCTSTR dsn, BOOL exclusive = FALSE, BOOL readOnly = FALSE, LPCTSTR connect = "ODBC;",
                      BOOL useCursorLib = TRUE);
    // Disconnects; an open transaction is rolled back. Harmless when not open.
    virtual void Close();

    BOOL IsOpen() const;
    // The connection string as given (after dropping "ODBC;"), prefixed with "ODBC;" as the
    // framework reports it.
    const CString& GetConnect() const { return m_strConnect; }
    // The database (SQLite: the file; PostgreSQL: the database name) the driver reports.
    CString GetDatabaseName() const;
    BOOL CanUpdate() const;
    BOOL CanTransact() const;

    // Transactions: BeginTrans leaves autocommit until CommitTrans or Rollback, which return
    // to it. BeginTrans inside a transaction, and CommitTrans or Rollback outside one, return
    // FALSE and change nothing; a driver failure throws CDBException. On SQLite the write lock
    // is taken at BeginTrans, so a second writer waits there (for the busy timeout) rather than
    // after it has read. A commit that fails without being fatal rolls the transaction back.
    // Rollback of a failed transaction (see HasFailed) never throws: it ends the transaction,
    // clears the failure of a transaction and, after a lost connection, reaches nothing.
    virtual BOOL BeginTrans();
    virtual BOOL CommitTrans();
    virtual BOOL Rollback();
    bool IsInTransaction() const;

    // A fatal failure (CDBException::IsFatal) ended this connection's transaction or the
    // connection itself, and has not been cleared: Rollback clears a failed transaction, a lost
    // connection stays failed until Close. Meanwhile every statement, BeginTrans and
    // CommitTrans throw CDBException (IsFatal true) without reaching the database, so nothing
    // runs in autocommit behind a transaction that is gone.
    bool HasFailed() const;
    // The database's own words of that failure ("database or disk is full"); empty when none.
    CString GetFailure() const;

    // Runs one statement of the library's SQL after the dialect's rewriting (bracketed names,
    // STRLEN, "{call ...}"); any result is discarded. Throws CDBException on failure.
    void ExecuteSQL(LPCTSTR sql);

    // The dialect chosen at open (generic while closed).
    const CDialect& GetDialect() const;
    // The DBMS name the driver reported ("SQLite", "PostgreSQL").
    CString GetDBMSName() const;

    // The open connection's state, for the recordset classes of this layer; throws
    // CDBException when the database is not open or has failed (see HasFailed).
    orvel::odbc::detail::Connection& GetConnection();

private:
    std::unique_ptr<orvel::odbc::detail::Connection> m_connection;
    CString m_strConnect;
};
