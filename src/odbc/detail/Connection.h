// The state behind one open CDatabase: its connection handle, the dialect chosen at open, the
// transaction state and health, and the per-connection cache of primary keys that recordsets use to
// identify rows for Edit and Delete.
#pragma once

#include <list>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "afx/String.h"
#include "odbc/Dialect.h"
#include "odbc/detail/Handle.h"
#include "odbc/detail/Statement.h"

namespace orvel::odbc::detail {

struct Connection {
    std::shared_ptr<Handle> environment;
    Handle dbc;
    CDialect dialect;
    CString dbmsName;
    CString databaseName;
    bool narrow = false;  // ANSI-only driver: UTF-8 through the narrow API (see Handle.h)
    bool readOnly = false;
    bool canTransact = true;
    // Transaction state and fatal failure, watched under dbc while the connection is open.
    std::shared_ptr<ConnectionHealth> health = std::make_shared<ConnectionHealth>();
    ~Connection() { UnwatchConnection(dbc.get(), health.get()); }
    // Upper-cased table name -> primary key column names (empty: no primary key).
    std::map<std::string, std::vector<CString>> primaryKeys;

    // Prepared statements kept for reuse, most recently used first, keyed by their text: the
    // recordsets' SELECTs (with their literal values as parameters) and the INSERTs of their
    // AddNew, whichever recordset runs them next. Compiling a query over a joined view, or an
    // insert into a view with its triggers, costs more than running it, on SQLite in the driver
    // and on PostgreSQL on the server, where the driver keeps each statement prepared as long as
    // its handle lives. A recordset takes a statement out while it runs it and gives it back
    // with its cursor closed.
    std::list<std::pair<std::string, std::unique_ptr<Statement>>> preparedQueries;
    static constexpr std::size_t kPreparedQueryLimit = 64;

    std::unique_ptr<Statement> TakePreparedQuery(const std::string& sql);
    void KeepPreparedQuery(const std::string& sql, std::unique_ptr<Statement> statement);
    // Frees every kept statement: before a disconnect, and after a change of the schema.
    void ForgetPreparedQueries() { preparedQueries.clear(); }

    // The primary key columns of a table, in key order; empty when it has none.
    const std::vector<CString>& PrimaryKey(const CString& table);
    // Runs one statement of the library's SQL (after the dialect's translation), discarding
    // any result.
    void Execute(const CString& sql);
};

}  // namespace orvel::odbc::detail
