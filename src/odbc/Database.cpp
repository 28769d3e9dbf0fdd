// CDatabase: connecting through the shared environment, choosing the dialect, autocommit and
// transactions, direct statements.
#include "odbc/Database.h"

#include <algorithm>

#include "odbc/DBException.h"
#include "odbc/detail/Connection.h"
#include "odbc/detail/Statement.h"
#include "odbc/detail/Unicode.h"

using orvel::odbc::detail::Check;
using orvel::odbc::detail::Connection;
using orvel::odbc::detail::FromWide;
using orvel::odbc::detail::Handle;
using orvel::odbc::detail::Statement;
using orvel::odbc::detail::ToWide;

namespace {

CString infoString(const Handle& dbc, SQLUSMALLINT info)
{
    if (dbc.narrow()) {
        char text[1024];
        SQLSMALLINT textLength = 0;
        Check(SQLGetInfo(dbc.get(), info, text, sizeof text, &textLength), dbc, "SQLGetInfo");
        return CString(text, std::min<int>(textLength, static_cast<int>(sizeof text) - 1));
    }
    SQLWCHAR buffer[256];
    SQLSMALLINT length = 0;
    Check(SQLGetInfoW(dbc.get(), info, buffer, sizeof buffer, &length), dbc, "SQLGetInfo");
    std::size_t chars = std::min<std::size_t>(static_cast<std::size_t>(length) / sizeof(SQLWCHAR),
                                              sizeof buffer / sizeof buffer[0] - 1);
    return CString(FromWide(buffer, chars));
}

void setAutocommit(const Handle& dbc, bool on)
{
    Check(SQLSetConnectAttrW(dbc.get(), SQL_ATTR_AUTOCOMMIT,
                             reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(on ? SQL_AUTOCOMMIT_ON : SQL_AUTOCOMMIT_OFF)),
                             SQL_IS_UINTEGER),
          dbc, "SQLSetConnectAttr(SQL_ATTR_AUTOCOMMIT)");
}

// Runs one transaction statement of the dialect (SQLite's BEGIN IMMEDIATE, COMMIT, ROLLBACK).
void runTransactionSql(Connection& c, const CString& sql)
{
    Statement statement(c.dbc.get(), c.narrow);
    statement.ExecDirect(sql);
}

// Ends the transaction of c with a commit or a rollback: by the dialect's statement where it has
// one (SQLite, whose connection stays in autocommit), otherwise through the driver, which then
// returns to autocommit.
void endTransaction(Connection& c, bool commit)
{
    CString sql = commit ? c.dialect.CommitSql() : c.dialect.RollbackSql();
    if (!sql.IsEmpty()) {
        runTransactionSql(c, sql);
        return;
    }
    Check(SQLEndTran(SQL_HANDLE_DBC, c.dbc.get(), commit ? SQL_COMMIT : SQL_ROLLBACK), c.dbc,
          commit ? "SQLEndTran(SQL_COMMIT)" : "SQLEndTran(SQL_ROLLBACK)");
    setAutocommit(c.dbc, true);
}

// Ends the transaction of c with a rollback; see CDatabase::Rollback.
BOOL rollbackConnection(Connection& c)
{
    orvel::odbc::detail::ConnectionHealth& health = *c.health;
    if (!health.inTransaction)
        return FALSE;
    bool wasFailed = health.Failed();
    if (health.lost) {
        // The server ended the transaction with the connection; nothing can reach it.
        health.inTransaction = false;
        return TRUE;
    }
    // A failed transaction is cleared first, so that the rollback itself may reach the database.
    health.failure.Empty();
    health.inTransaction = false;
    try {
        endTransaction(c, false);
    } catch (const CDBException&) {
        if (!wasFailed)
            throw;
        // The failure has already ended the transaction (SQLite rolls back by itself on a full
        // disk): "no transaction is active" is no news to the caller, who was told the cause.
        if (c.dialect.RollbackSql().IsEmpty()) {
            try {
                setAutocommit(c.dbc, true);
            } catch (const CDBException&) {
            }
        }
    }
    return TRUE;
}

}  // namespace

namespace orvel::odbc::detail {

const std::vector<CString>& Connection::PrimaryKey(const CString& table)
{
    CString upper(table);
    upper.MakeUpper();
    auto found = primaryKeys.find(upper.str());
    if (found != primaryKeys.end())
        return found->second;

    std::vector<std::pair<int, CString>> columns;
    Statement statement(dbc.get(), narrow);
    CString catalogName = dialect.CatalogName(table);
    SQLRETURN rc;
    if (narrow) {
        rc = SQLPrimaryKeys(statement.get(), nullptr, 0, nullptr, 0,
                            reinterpret_cast<SQLCHAR*>(const_cast<char*>(catalogName.GetString())),
                            static_cast<SQLSMALLINT>(catalogName.GetLength()));
    } else {
        WString name = ToWide(catalogName.str());
        rc = SQLPrimaryKeysW(statement.get(), nullptr, 0, nullptr, 0, name.data(), static_cast<SQLSMALLINT>(name.size()));
    }
    Check(rc, SQL_HANDLE_STMT, statement.get(), "SQLPrimaryKeys", CString("primary key of ") + table, narrow, dbc.get());
    while (statement.Fetch()) {
        std::string column;
        long long sequence = 0;
        statement.GetText(4, column);  // COLUMN_NAME
        statement.GetInteger(5, sequence);  // KEY_SEQ
        columns.emplace_back(static_cast<int>(sequence), CString(column));
    }
    std::sort(columns.begin(), columns.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<CString> key;
    for (auto& c : columns)
        key.push_back(c.second);
    return primaryKeys.emplace(upper.str(), std::move(key)).first->second;
}

void Connection::Execute(const CString& sql)
{
    // A change of tables or views may change what a kept query returns: prepare anew.
    CString head(sql);
    head.TrimLeft();
    head = head.Left(6);
    head.MakeUpper();
    if (head == "CREATE" || head.Left(4) == "DROP" || head.Left(5) == "ALTER")
        ForgetPreparedQueries();
    for (const CString& statementText : dialect.Translate(sql, false)) {
        Statement statement(dbc.get(), narrow);
        statement.ExecDirect(statementText);
    }
}

std::unique_ptr<Statement> Connection::TakePreparedQuery(const std::string& sql)
{
    for (auto it = preparedQueries.begin(); it != preparedQueries.end(); ++it) {
        if (it->first == sql) {
            std::unique_ptr<Statement> statement = std::move(it->second);
            preparedQueries.erase(it);
            return statement;
        }
    }
    return nullptr;
}

void Connection::KeepPreparedQuery(const std::string& sql, std::unique_ptr<Statement> statement)
{
    preparedQueries.emplace_front(sql, std::move(statement));
    if (preparedQueries.size() > kPreparedQueryLimit)
        preparedQueries.pop_back();
}

}  // namespace orvel::odbc::detail

IMPLEMENT_DYNAMIC(CDatabase, CObject)

CDatabase::CDatabase() = default;

CDatabase::~CDatabase()
{
    try {
        Close();
    } catch (...) {  // a destructor must not throw; the connection is released all the same
    }
}

BOOL CDatabase::OpenEx(LPCTSTR connect, DWORD options)
{
    if (IsOpen())
        throw CDBException(AFX_SQL_ERROR_BAD_ARGUMENT, "The database is already open: close it before opening it again");
    CString text(connect != nullptr ? connect : "");
    text.Trim();
    if (text.Left(5).CompareNoCase("ODBC;") == 0)
        text = text.Mid(5);
    if (text.IsEmpty())
        throw CDBException(AFX_SQL_ERROR_BAD_ARGUMENT, "Empty connection string: cannot open the database");

    auto connection = std::make_unique<Connection>();
    connection->environment = orvel::odbc::detail::SharedEnvironment();
    connection->dbc = Handle(SQL_HANDLE_DBC, connection->environment->get());
    connection->readOnly = (options & openReadOnly) != 0;
    if (connection->readOnly)
        Check(SQLSetConnectAttrW(connection->dbc.get(), SQL_ATTR_ACCESS_MODE,
                                 reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(SQL_MODE_READ_ONLY)), SQL_IS_UINTEGER),
              connection->dbc, "SQLSetConnectAttr(SQL_ATTR_ACCESS_MODE)");

    // The SQLite3 driver has no wide functions: talk to it through the narrow API in UTF-8.
    CString lower(text);
    lower.MakeLower();
    connection->narrow = lower.Find("sqlite") >= 0;
    connection->dbc.setNarrow(connection->narrow);
    CString full = CDialect::AddConnectionDefaults(text);
    SQLRETURN rc;
    SQLSMALLINT outLength = 0;
    if (connection->narrow) {
        SQLCHAR out[1024];
        rc = SQLDriverConnect(connection->dbc.get(), nullptr, reinterpret_cast<SQLCHAR*>(const_cast<char*>(full.GetString())),
                              static_cast<SQLSMALLINT>(full.GetLength()), out, sizeof out, &outLength,
                              SQL_DRIVER_NOPROMPT);
    } else {
        orvel::odbc::detail::WString wide = ToWide(full.str());
        SQLWCHAR out[1024];
        rc = SQLDriverConnectW(connection->dbc.get(), nullptr, wide.data(), static_cast<SQLSMALLINT>(wide.size()), out,
                               static_cast<SQLSMALLINT>(sizeof out / sizeof out[0]), &outLength, SQL_DRIVER_NOPROMPT);
    }
    Check(rc, connection->dbc, "SQLDriverConnect");

    connection->dbmsName = infoString(connection->dbc, SQL_DBMS_NAME);
    connection->dialect = CDialect::FromDbmsName(connection->dbmsName);
    connection->databaseName = infoString(connection->dbc, SQL_DATABASE_NAME);
    SQLUSMALLINT txn = 0;
    if (SQL_SUCCEEDED(SQLGetInfoW(connection->dbc.get(), SQL_TXN_CAPABLE, &txn, sizeof txn, nullptr)))
        connection->canTransact = txn != SQL_TC_NONE;
    setAutocommit(connection->dbc, true);
    connection->health->dialect = connection->dialect;
    orvel::odbc::detail::WatchConnection(connection->dbc.get(), connection->health);
    for (const CString& setup : connection->dialect.SessionSetup()) {
        Statement statement(connection->dbc.get(), connection->narrow);
        statement.ExecDirect(setup);
    }
    for (const CString& setting : connection->dialect.PreferredSessionSettings()) {
        try {
            Statement statement(connection->dbc.get(), connection->narrow);
            statement.ExecDirect(setting);
        } catch (const CDBException& e) {
            if (e.IsFatal())  // a file that is not a database, or cannot be opened or read
                throw;
        }
    }
    m_connection = std::move(connection);
    m_strConnect = CString("ODBC;") + text;
    return TRUE;
}

BOOL CDatabase::Open(LPCTSTR dsn, BOOL exclusive, BOOL readOnly, LPCTSTR connect, BOOL useCursorLibrary)
{
    (void)exclusive;
    (void)useCursorLibrary;
    CString text(connect != nullptr ? connect : "");
    text.Trim();
    if (text.Left(5).CompareNoCase("ODBC;") == 0 || text.CompareNoCase("ODBC") == 0)
        text = text.Mid(text.GetLength() >= 5 ? 5 : 4);
    CString name(dsn != nullptr ? dsn : "");
    if (!name.IsEmpty()) {
        CString withDsn = CString("DSN=") + name;
        if (!text.IsEmpty())
            withDsn += CString(";") + text;
        text = withDsn;
    }
    return OpenEx(text, readOnly ? openReadOnly : 0);
}

void CDatabase::Close()
{
    if (!m_connection)
        return;
    std::unique_ptr<Connection> connection = std::move(m_connection);
    connection->ForgetPreparedQueries();  // freed while their connection is still there
    try {
        rollbackConnection(*connection);
    } catch (const CDBException&) {  // disconnecting ends the transaction all the same
    }
    SQLDisconnect(connection->dbc.get());
    m_strConnect.Empty();
}

BOOL CDatabase::IsOpen() const
{
    return m_connection != nullptr;
}

CString CDatabase::GetDatabaseName() const
{
    return m_connection ? m_connection->databaseName : CString();
}

BOOL CDatabase::CanUpdate() const
{
    return m_connection && !m_connection->readOnly;
}

BOOL CDatabase::CanTransact() const
{
    return m_connection && m_connection->canTransact;
}

Connection& CDatabase::GetConnection()
{
    if (!m_connection)
        throw CDBException(AFX_SQL_ERROR_DATABASE_NOT_OPEN, "The database is not open");
    if (m_connection->health->Failed())
        m_connection->health->Refuse();
    return *m_connection;
}

BOOL CDatabase::BeginTrans()
{
    Connection& c = GetConnection();
    if (c.health->inTransaction)
        return FALSE;
    CString begin = c.dialect.BeginTransactionSql();
    if (begin.IsEmpty())
        setAutocommit(c.dbc, false);
    else
        runTransactionSql(c, begin);
    c.health->inTransaction = true;
    return TRUE;
}

BOOL CDatabase::CommitTrans()
{
    Connection& c = GetConnection();
    if (!c.health->inTransaction)
        return FALSE;
    try {
        endTransaction(c, true);
    } catch (const CDBException&) {
        // A fatal failure leaves the transaction failed for the caller's Rollback; any other
        // failure rolls it back here, so that the connection is not left in a transaction
        // the caller believes ended.
        if (!c.health->Failed()) {
            try {
                rollbackConnection(c);
            } catch (const CDBException&) {  // the commit's own error is the one to report
            }
        }
        throw;
    }
    c.health->inTransaction = false;
    return TRUE;
}

BOOL CDatabase::Rollback()
{
    if (!m_connection)
        throw CDBException(AFX_SQL_ERROR_DATABASE_NOT_OPEN, "The database is not open");
    return rollbackConnection(*m_connection);
}

bool CDatabase::IsInTransaction() const
{
    return m_connection && m_connection->health->inTransaction;
}

bool CDatabase::HasFailed() const
{
    return m_connection && m_connection->health->Failed();
}

CString CDatabase::GetFailure() const
{
    return m_connection ? m_connection->health->failure : CString();
}

void CDatabase::ExecuteSQL(LPCTSTR sql)
{
    CString text(sql != nullptr ? sql : "");
    if (text.Trim().IsEmpty())
        throw CDBException(AFX_SQL_ERROR_BAD_ARGUMENT, "ExecuteSQL: empty statement");
    GetConnection().Execute(text);
}

const CDialect& CDatabase::GetDialect() const
{
    static const CDialect closed;
    return m_connection ? m_connection->dialect : closed;
}

CString CDatabase::GetDBMSName() const
{
    return m_connection ? m_connection->dbmsName : CString();
}
