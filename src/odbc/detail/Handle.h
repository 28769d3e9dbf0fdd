// The owners of ODBC handles and the one checked call helper.
//
// Every SQLHANDLE of the layer lives in exactly one Handle, which frees it when it goes. The
// environment is shared by every connection of the process (a shared_ptr held by each one, so it
// outlives the last connection whatever the order of static destruction). Every ODBC call goes
// through Check(), which turns a failure into a CDBException built from the handle's diagnostic
// records.
#pragma once

#include <sql.h>
#include <sqlext.h>

#include <memory>
#include <string_view>

#include "afx/String.h"
#include "odbc/Dialect.h"

namespace orvel::odbc::detail {

// The transaction state of one connection and the fatal failure it suffered, if any. Kept apart
// from the connection so that the error path, which sees only ODBC handles, can record the
// failure on the connection a statement belongs to (see WatchConnection).
struct ConnectionHealth {
    CDialect dialect;            // judges which failures are fatal
    bool inTransaction = false;
    // The database's own words of a fatal failure that ended the transaction or the connection;
    // empty while healthy. While set, the connection refuses every statement.
    CString failure;
    bool lost = false;  // the failure took the connection away: only closing it clears it

    bool Failed() const { return !failure.IsEmpty(); }
    // The exception with which a statement is refused while the connection has failed.
    [[noreturn]] void Refuse() const;
};

class Handle {
public:
    Handle() = default;
    // Allocates a handle of the given type under the parent (SQL_NULL_HANDLE for environments).
    Handle(SQLSMALLINT type, SQLHANDLE parent);
    ~Handle();
    Handle(Handle&& other) noexcept
        : m_type(other.m_type), m_handle(other.m_handle), m_connection(other.m_connection), m_narrow(other.m_narrow)
    {
        other.m_handle = SQL_NULL_HANDLE;
    }
    Handle& operator=(Handle&& other) noexcept;
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    SQLHANDLE get() const { return m_handle; }
    SQLSMALLINT type() const { return m_type; }
    // The connection handle this handle belongs to: itself for a connection, the parent for a
    // statement.
    SQLHANDLE connection() const { return m_type == SQL_HANDLE_DBC ? m_handle : m_connection; }
    // Narrow handles talk to an ANSI-only driver (the SQLite3 driver exports no wide
    // functions): text goes as UTF-8 bytes through the narrow API, which such a driver stores
    // as it is, instead of through unixODBC's lossy wide-to-narrow mapping.
    bool narrow() const { return m_narrow; }
    void setNarrow(bool narrow) { m_narrow = narrow; }
    explicit operator bool() const { return m_handle != SQL_NULL_HANDLE; }
    void reset();
private:
    SQLSMALLINT m_type = 0;
    SQLHANDLE m_handle = SQL_NULL_HANDLE;
    SQLHANDLE m_connection = SQL_NULL_HANDLE;  // the parent of a statement handle
    bool m_narrow = false;
};

// Connections whose failures are recorded: while a connection handle is watched, a fatal
// failure reported on it or on one of its statements is written into its health, and a new
// statement on it is refused while its health says it failed. Unwatch only removes the entry
// that health made.
void WatchConnection(SQLHANDLE dbc, const std::shared_ptr<ConnectionHealth>& health);
void UnwatchConnection(SQLHANDLE dbc, const ConnectionHealth* health);

// The process-wide ODBC environment (ODBC 3 behaviour), created on first use.
std::shared_ptr<Handle> SharedEnvironment();

// Returns rc when the call succeeded (SQL_SUCCESS, SQL_SUCCESS_WITH_INFO, SQL_NO_DATA,
// SQL_NEED_DATA); otherwise throws CDBException with the diagnostic records of the handle,
// naming the ODBC function and the statement (if any) that failed.
// connection: the connection handle the failing handle belongs to (needed for a statement
// handle, so that a fatal failure is recorded on its connection).
SQLRETURN Check(SQLRETURN rc, SQLSMALLINT handleType, SQLHANDLE handle, std::string_view function,
                const CString& sql = CString(), bool narrow = false, SQLHANDLE connection = SQL_NULL_HANDLE);
inline SQLRETURN Check(SQLRETURN rc, const Handle& handle, std::string_view function, const CString& sql = CString())
{
    return Check(rc, handle.type(), handle.get(), function, sql, handle.narrow(), handle.connection());
}

// Throws the CDBException that the diagnostic records of the handle describe; a failure that
// the connection's dialect judges fatal is recorded in the connection's health (see
// WatchConnection).
[[noreturn]] void ThrowDiagnostics(SQLRETURN rc, SQLSMALLINT handleType, SQLHANDLE handle,
                                   std::string_view function, const CString& sql, bool narrow = false,
                                   SQLHANDLE connection = SQL_NULL_HANDLE);

}  // namespace orvel::odbc::detail
