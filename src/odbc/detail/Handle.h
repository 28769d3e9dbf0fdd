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

namespace orvel::odbc::detail {

class Handle {
public:
    Handle() = default;
    // Allocates a handle of the given type under the parent (SQL_NULL_HANDLE for environments).
    Handle(SQLSMALLINT type, SQLHANDLE parent);
    ~Handle();
    Handle(Handle&& other) noexcept : m_type(other.m_type), m_handle(other.m_handle) { other.m_handle = SQL_NULL_HANDLE; }
    Handle& operator=(Handle&& other) noexcept;
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    SQLHANDLE get() const { return m_handle; }
    SQLSMALLINT type() const { return m_type; }
    // Narrow handles talk to an ANSI-only driver (the SQLite3 driver exports no wide
    // functions): text goes as UTF-8 bytes through the narrow API, which such a driver stores
    // as it is, instead of through unixODBC's lossy wide-to-narrow mapping.
    bool narrow() const { return m_narrow; }
    void setNarrow(bool narrow) { m_narrow = narrow; }
    explicit operator bool() const { return m_handle != SQL_NULL_HANDLE; }
    void reset();
    // Forgets the handle without freeing it: for a statement whose connection has already been
    // disconnected, which freed it.
    void abandon() { m_handle = SQL_NULL_HANDLE; }

private:
    SQLSMALLINT m_type = 0;
    SQLHANDLE m_handle = SQL_NULL_HANDLE;
    bool m_narrow = false;
};

// The process-wide ODBC environment (ODBC 3 behaviour), created on first use.
std::shared_ptr<Handle> SharedEnvironment();

// Returns rc when the call succeeded (SQL_SUCCESS, SQL_SUCCESS_WITH_INFO, SQL_NO_DATA,
// SQL_NEED_DATA); otherwise throws CDBException with the diagnostic records of the handle,
// naming the ODBC function and the statement (if any) that failed.
SQLRETURN Check(SQLRETURN rc, SQLSMALLINT handleType, SQLHANDLE handle, std::string_view function,
                const CString& sql = CString(), bool narrow = false);
inline SQLRETURN Check(SQLRETURN rc, const Handle& handle, std::string_view function, const CString& sql = CString())
{
    return Check(rc, handle.type(), handle.get(), function, sql, handle.narrow());
}

// Throws the CDBException that the diagnostic records of the handle describe.
[[noreturn]] void ThrowDiagnostics(SQLRETURN rc, SQLSMALLINT handleType, SQLHANDLE handle,
                                   std::string_view function, const CString& sql, bool narrow = false);

}  // namespace orvel::odbc::detail
