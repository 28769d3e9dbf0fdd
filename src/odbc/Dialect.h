// CDialect: every difference between the databases the library runs on, in one place.
//
// The library's SQL is written once, in the style of the databases the framework was made for:
// table and column names in square brackets ("[ARTICOLO]"), STRLEN() for the length of a text,
// stored procedures called with the ODBC escape "{call NAME(args)}". The dialect of a connection
// (chosen from the DBMS name that the driver reports when the connection opens) turns that text
// into what the database understands:
//
//   bracketed names   SQLite: "ARTICOLO" (quoted, case kept; SQLite names ignore case anyway).
//                     PostgreSQL: "articolo" (quoted, lower case): SQL written without brackets
//                     ("DELETE FROM ARTICOLO_FORNITORE ...") folds to lower case there, so the
//                     schema on PostgreSQL uses lower-case names and bracketed names must agree.
//   STRLEN(           LENGTH( on both.
//   {call NAME(a, b)} PostgreSQL: "SELECT * FROM name(a, b)", a set-returning or scalar
//                     function of the schema.
//                     SQLite, which has no procedures: "INSERT INTO NAME_CALL (ARG1, ARG2)
//                     VALUES (a, b)" (or "INSERT INTO NAME_CALL DEFAULT VALUES" without
//                     arguments) and, when the caller wants the result row (a recordset opened
//                     on the call), then "SELECT RESULT FROM NAME_CALL WHERE rowid =
//                     last_insert_rowid()".
//
// The contract with the schema on SQLite is therefore: for each procedure NAME the schema defines
// a table NAME_CALL with columns ARG1..ARGn (one per argument, in order) and RESULT, and an
// AFTER INSERT trigger on it that does the procedure's work and, for procedures that return a
// value (the id procedures), stores it in RESULT of the inserted row (UPDATE NAME_CALL SET
// RESULT = ... WHERE rowid = NEW.rowid). The schema may clean the table up at any later time
// (a BEFORE INSERT trigger deleting older rows, for example), the library only reads the row it
// just inserted.
//
// Rewriting never touches text inside string literals ('...' with '' as an escaped quote) or
// inside already quoted identifiers ("...").
//
// Other databases reached through ODBC get the generic dialect (standard double-quoted names,
// case kept, LENGTH, "{call ...}" passed to the driver unchanged); a new database should need
// only a new entry here.
#pragma once

#include <vector>

#include "afx/Export.h"
#include "afx/String.h"

class ORVEL_API CDialect {
public:
    enum Kind { generic = 0, sqlite = 1, postgresql = 2 };

    explicit CDialect(Kind kind = generic) : m_kind(kind) {}
    // The dialect for a DBMS name as SQLGetInfo(SQL_DBMS_NAME) gives it ("SQLite",
    // "PostgreSQL"); anything else is generic.
    static CDialect FromDbmsName(const CString& dbmsName);

    Kind GetKind() const { return m_kind; }
    const char* GetName() const;

    // Connection-string options the layer adds before connecting, unless the caller gave them:
    // for the PostgreSQL driver, statement-level rollback ("Protocol=7.4-2"), so that a failed
    // statement inside a transaction rolls back only itself and the transaction stays usable.
    static CString AddConnectionDefaults(const CString& connect);
    // Statements run once on every new connection. SQLite: a busy timeout, so that a second
    // connection to the same file waits for a writer instead of failing at once; foreign keys
    // enforced; the write-ahead log, so that tills keep reading while one of them writes (an
    // in-memory database answers "memory" and stays as it is).
    std::vector<CString> SessionSetup() const;

    // Transactions. On SQLite the layer keeps the driver in autocommit and begins, commits and
    // rolls back with these statements itself: BEGIN IMMEDIATE takes the write lock at once, so
    // two connections that both read and then write cannot each hold a read lock the other's
    // write waits for. Elsewhere (empty text) the driver's own transactions are used.
    CString BeginTransactionSql() const;
    CString CommitSql() const;
    CString RollbackSql() const;
    // The statement that takes an exclusive lock named `name` until the transaction ends, so
    // that writers checking and then changing the same data take turns (PostgreSQL: an advisory
    // transaction lock on the name's hash). Empty when a transaction already serialises every
    // writer (SQLite) or the database has no such lock.
    CString WriterLockSql(const CString& name) const;

    // Failures. Fatal: the failure ended the transaction or the connection (SQLite: a full disk,
    // an I/O error, a read-only or unopenable file, a damaged file or one that is not a
    // database; PostgreSQL and others: SQLSTATE class 08, a lost or refused connection, and
    // 57P01-57P03, the server shutting down or not accepting connections).
    bool IsFatalFailure(const CString& sqlState, long nativeError) const;
    // Of the fatal failures, those that took the connection itself away: only closing it helps.
    static bool IsConnectionLost(const CString& sqlState);

    // Names. StripBrackets("[CODICE]") is "CODICE"; other text is returned unchanged.
    static CString StripBrackets(const CString& name);
    // True for a bare name made of letters, digits and underscores, not starting with a digit.
    static bool IsPlainIdentifier(const CString& text);
    // A name (without brackets) as a quoted identifier of this database.
    CString QuoteIdentifier(const CString& name) const;
    // A name as the database's catalogue stores it (lower case on PostgreSQL), for catalogue
    // functions such as SQLPrimaryKeys.
    CString CatalogName(const CString& name) const;
    // Result column names are compared without regard to case, because servers may hand them
    // back folded (PostgreSQL folds unquoted names to lower case).
    static bool SameColumnName(const CString& a, const CString& b);

    // Statement text: bracketed names and STRLEN rewritten, literals untouched.
    CString Rewrite(const CString& sql) const;
    // True for text of the form "{call NAME}" or "{call NAME(args)}".
    static bool IsProcedureCall(const CString& sql);
    // "{call NAME}" for a bare procedure name; an existing call is returned as it is.
    static CString AsProcedureCall(const CString& nameOrCall);
    // The statements to run for one statement of the library's SQL, in order. For a procedure
    // call on SQLite there may be two: when wantResult is true the last one yields the result
    // row. Every other statement becomes exactly one rewritten statement.
    std::vector<CString> Translate(const CString& sql, bool wantResult) const;

    // The comparison that matches a column with a parameter also when both are NULL, written
    // after the column name: " IS ?" (SQLite) or " IS NOT DISTINCT FROM ?".
    const char* NullSafeEqualsParam() const;
    // The condition that matches a column (already quoted) with one parameter holding its
    // original value: "col = ?", or the null-safe form when the original is NULL. SQLite keeps
    // timestamps as text in more than one form ("... 05:06:07" written by SQL, "...
    // 05:06:07.000" written through a parameter are the same moment), so there timestamps are
    // compared as julian days.
    CString MatchParam(const CString& quotedColumn, bool timestamp, bool originalNull) const;

private:
    Kind m_kind;
};
