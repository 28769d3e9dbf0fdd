// Handle ownership, the shared environment and the conversion of diagnostic records into
// CDBException.
#include "odbc/detail/Handle.h"

#include <algorithm>
#include <mutex>
#include <string>
#include <unordered_map>

#include "odbc/DBException.h"
#include "odbc/detail/Unicode.h"

namespace orvel::odbc::detail {

namespace {

// The watched connections. Made once and never destroyed, because connections may still be
// closed while the process's static objects go.
struct Watched {
    std::mutex mutex;
    std::unordered_map<SQLHANDLE, std::shared_ptr<ConnectionHealth>> health;
};

Watched& watched()
{
    static Watched* instance = new Watched;
    return *instance;
}

std::shared_ptr<ConnectionHealth> healthOf(SQLHANDLE dbc)
{
    if (dbc == SQL_NULL_HANDLE)
        return nullptr;
    Watched& w = watched();
    std::lock_guard lock(w.mutex);
    auto found = w.health.find(dbc);
    return found != w.health.end() ? found->second : nullptr;
}

}  // namespace

void ConnectionHealth::Refuse() const
{
    CString message = lost ? CString("The connection to the database was lost; it refuses further statements until "
                                     "it is closed and opened again. The database said: ")
                           : CString("The transaction failed; the connection refuses further statements until it "
                                     "is rolled back. The database said: ");
    throw CDBException(AFX_SQL_ERROR_CONNECTION_FAILED, message + failure);
}

void WatchConnection(SQLHANDLE dbc, const std::shared_ptr<ConnectionHealth>& health)
{
    Watched& w = watched();
    std::lock_guard lock(w.mutex);
    w.health[dbc] = health;
}

void UnwatchConnection(SQLHANDLE dbc, const ConnectionHealth* health)
{
    Watched& w = watched();
    std::lock_guard lock(w.mutex);
    auto found = w.health.find(dbc);
    if (found != w.health.end() && found->second.get() == health)
        w.health.erase(found);
}

Handle::Handle(SQLSMALLINT type, SQLHANDLE parent) : m_type(type)
{
    if (type == SQL_HANDLE_STMT) {
        m_connection = parent;
        // No statement reaches a connection whose transaction or link has failed.
        if (auto health = healthOf(parent); health && health->Failed())
            health->Refuse();
    }
    SQLRETURN rc = SQLAllocHandle(type, parent, &m_handle);
    if (!SQL_SUCCEEDED(rc)) {
        m_handle = SQL_NULL_HANDLE;
        if (parent != SQL_NULL_HANDLE) {
            SQLSMALLINT parentType = type == SQL_HANDLE_DBC ? SQL_HANDLE_ENV : SQL_HANDLE_DBC;
            ThrowDiagnostics(rc, parentType, parent, "SQLAllocHandle", CString());
        }
        throw CDBException(static_cast<short>(rc), "Cannot allocate an ODBC handle (is unixODBC installed?)");
    }
}

Handle::~Handle()
{
    reset();
}

Handle& Handle::operator=(Handle&& other) noexcept
{
    if (this != &other) {
        reset();
        m_type = other.m_type;
        m_handle = other.m_handle;
        m_connection = other.m_connection;
        m_narrow = other.m_narrow;
        other.m_handle = SQL_NULL_HANDLE;
    }
    return *this;
}

void Handle::reset()
{
    if (m_handle != SQL_NULL_HANDLE) {
        if (m_type == SQL_HANDLE_DBC)
            SQLDisconnect(m_handle);  // harmless when not connected
        SQLFreeHandle(m_type, m_handle);
        m_handle = SQL_NULL_HANDLE;
    }
}

std::shared_ptr<Handle> SharedEnvironment()
{
    static std::mutex mutex;
    static std::weak_ptr<Handle> current;
    std::lock_guard lock(mutex);
    if (auto env = current.lock())
        return env;
    auto env = std::make_shared<Handle>(static_cast<SQLSMALLINT>(SQL_HANDLE_ENV), static_cast<SQLHANDLE>(SQL_NULL_HANDLE));
    Check(SQLSetEnvAttr(env->get(), SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0), *env,
          "SQLSetEnvAttr(SQL_ATTR_ODBC_VERSION)");
    current = env;
    return env;
}

SQLRETURN Check(SQLRETURN rc, SQLSMALLINT handleType, SQLHANDLE handle, std::string_view function, const CString& sql,
                bool narrow, SQLHANDLE connection)
{
    if (rc == SQL_SUCCESS || rc == SQL_SUCCESS_WITH_INFO || rc == SQL_NO_DATA || rc == SQL_NEED_DATA)
        return rc;
    ThrowDiagnostics(rc, handleType, handle, function, sql, narrow, connection);
}

namespace {

// Splits "[unixODBC][Driver]message" into the bracketed origin and the message.
void splitOrigin(const std::string& text, std::string& origin, std::string& message)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == '[') {
        std::size_t close = text.find(']', i);
        if (close == std::string::npos)
            break;
        i = close + 1;
    }
    origin = text.substr(0, i);
    message = text.substr(i);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' '))
        message.pop_back();
}

}  // namespace

void ThrowDiagnostics(SQLRETURN rc, SQLSMALLINT handleType, SQLHANDLE handle, std::string_view function,
                      const CString& sql, bool narrow, SQLHANDLE connection)
{
    CString error;
    CString stateNativeOrigin;
    CString firstState;
    long firstNative = 0;
    if (handle != SQL_NULL_HANDLE) {
        for (SQLSMALLINT record = 1;; ++record) {
            SQLINTEGER native = 0;
            SQLSMALLINT length = 0;
            std::string text, stateText;
            if (narrow) {
                SQLCHAR state[6] = {};
                SQLCHAR buffer[2048];
                SQLRETURN drc = SQLGetDiagRec(handleType, handle, record, state, &native, buffer,
                                              static_cast<SQLSMALLINT>(sizeof buffer), &length);
                if (!SQL_SUCCEEDED(drc))
                    break;
                text.assign(reinterpret_cast<const char*>(buffer),
                            std::min<std::size_t>(static_cast<std::size_t>(length), sizeof buffer - 1));
                stateText.assign(reinterpret_cast<const char*>(state), 5);
            } else {
                SQLWCHAR state[6] = {};
                SQLWCHAR buffer[1024];
                SQLRETURN drc = SQLGetDiagRecW(handleType, handle, record, state, &native, buffer,
                                               static_cast<SQLSMALLINT>(sizeof buffer / sizeof buffer[0]), &length);
                if (!SQL_SUCCEEDED(drc))
                    break;
                std::size_t chars =
                    std::min<std::size_t>(static_cast<std::size_t>(length), sizeof buffer / sizeof buffer[0] - 1);
                text = FromWide(buffer, chars);
                stateText = FromWide(state, 5);
            }
            std::string origin, message;
            splitOrigin(text, origin, message);
            if (record == 1) {
                firstState = stateText;
                firstNative = native;
            }
            if (!error.IsEmpty())
                error += "\n";
            error += message;
            CString line;
            line.Format("State:%s,Native:%ld,Origin:%s\n", stateText.c_str(), static_cast<long>(native), origin.c_str());
            stateNativeOrigin += line;
        }
    }
    if (error.IsEmpty()) {
        error = rc == SQL_INVALID_HANDLE ? "invalid ODBC handle" : "the driver reported an error without a message";
    }
    (void)function;  // the statement and SQLSTATE identify the failure; kept for debugging hooks

    // A fatal failure inside a transaction ended it (SQLite rolls back by itself on a full disk
    // or an I/O error, and whatever followed would run in autocommit); a lost connection is
    // lost in or out of one. Either way the connection keeps the first failure's words and
    // refuses what follows.
    std::shared_ptr<ConnectionHealth> health =
        healthOf(handleType == SQL_HANDLE_DBC ? handle : connection);
    bool fatal = health ? health->dialect.IsFatalFailure(firstState, firstNative)
                        : CDialect().IsFatalFailure(firstState, firstNative);
    if (fatal && health && !health->Failed()) {
        bool lost = CDialect::IsConnectionLost(firstState);
        if (lost || health->inTransaction) {
            health->failure = error;
            health->lost = lost;
        }
    }
    throw CDBException(static_cast<short>(rc), error, stateNativeOrigin, firstState, firstNative, sql, fatal);
}

}  // namespace orvel::odbc::detail
