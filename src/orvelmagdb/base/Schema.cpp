// Creating the schema: the portable tables, views and indexes of SchemaTables.cpp, then the
// procedures in each database's own words.
//
// Id procedures. Each "GET_ID_<table>" hands out, per call, one id never handed out before, from
// a counter that only grows. On PostgreSQL the counter is a sequence and the procedure a function
// returning one row; nextval never blocks another till, even inside long transactions. On SQLite,
// which has no procedures, calling the procedure inserts a row into GET_ID_<table>_CALL, whose
// trigger advances the counter in ID_GENERATORE and writes the id into that row's RESULT; SQLite
// lets one writer at a time in, so two tills never get the same id.
#include "orvelmagdb/base/Schema.h"

#include "odbc/DBException.h"
#include "odbc/Database.h"
#include "orveldblib/ODBCRecordset.h"

CSchemaException::~CSchemaException() = default;

namespace {

void AddIdProcedure(std::vector<CString>& out, CDialect::Kind kind, const char* table)
{
    CString sql;
    if (kind == CDialect::postgresql) {
        sql.Format("CREATE SEQUENCE ID_%s_SEQ", table);
        out.push_back(sql);
        sql.Format("CREATE FUNCTION GET_ID_%s() RETURNS TABLE (ID INTEGER) LANGUAGE sql AS "
                   "$$ SELECT CAST(nextval('ID_%s_SEQ') AS INTEGER) $$",
                   table, table);
        out.push_back(sql);
        return;
    }
    sql.Format("INSERT INTO ID_GENERATORE (NOME, ULTIMO) VALUES ('%s', 0)", table);
    out.push_back(sql);
    sql.Format("CREATE TABLE GET_ID_%s_CALL (RESULT INTEGER)", table);
    out.push_back(sql);
    sql.Format(
        "CREATE TRIGGER GET_ID_%s_RUN AFTER INSERT ON GET_ID_%s_CALL BEGIN "
        "UPDATE ID_GENERATORE SET ULTIMO = ULTIMO + 1 WHERE NOME = '%s'; "
        "UPDATE GET_ID_%s_CALL SET RESULT = (SELECT ULTIMO FROM ID_GENERATORE WHERE NOME = '%s') "
        "WHERE rowid = NEW.rowid; "
        "DELETE FROM GET_ID_%s_CALL WHERE rowid < NEW.rowid; "
        "END",
        table, table, table, table, table, table);
    out.push_back(sql);
}

}  // namespace

std::vector<CString> CSchema::CreationStatements(CDialect::Kind kind)
{
    std::vector<CString> out;
    CString sql;
    out.push_back("CREATE TABLE ORVEL_SCHEMA (VERSIONE INTEGER NOT NULL)");
    sql.Format("INSERT INTO ORVEL_SCHEMA (VERSIONE) VALUES (%d)", kVersion);
    out.push_back(sql);
    for (const Table& t : Tables()) {
        sql.Format("CREATE TABLE %s (%s)", t.name, t.definition);
        out.push_back(sql);
    }
    for (const Index& i : Indexes()) {
        sql.Format("CREATE INDEX %s ON %s (%s)", i.name, i.table, i.columns);
        out.push_back(sql);
    }
    for (const View& v : Views()) {
        sql.Format("CREATE VIEW %s AS %s", v.name, v.select);
        out.push_back(sql);
    }
    if (kind != CDialect::postgresql)
        out.push_back("CREATE TABLE ID_GENERATORE (NOME TEXT PRIMARY KEY, ULTIMO INTEGER NOT NULL)");
    for (const char* table : GeneratedIdTables())
        AddIdProcedure(out, kind, table);
    return out;
}

bool CSchema::Exists(CDatabase& db)
{
    try {
        CODBCRecordset rs(&db);
        rs.Open("SELECT VERSIONE FROM ORVEL_SCHEMA", 2, 8196);
        rs.Close();
        return true;
    } catch (const CDBException&) {
        // The marker table is missing: no schema of ours here.
        return false;
    }
}

void CSchema::Create(CDatabase& db)
{
    if (Exists(db))
        throw CSchemaException("the database already holds the OrvelMagDb schema; nothing was created");
    std::vector<CString> statements = CreationStatements(db.GetDialect().GetKind());
    db.BeginTrans();
    try {
        for (const CString& sql : statements)
            db.ExecuteSQL(sql);
    } catch (...) {
        db.Rollback();
        throw;
    }
    db.CommitTrans();
}
