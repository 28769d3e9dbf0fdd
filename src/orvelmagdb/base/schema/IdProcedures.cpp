// The id procedures. Each "GET_ID_<table>" hands out, per call, one id never handed out before,
// from a counter that only grows.
//
// On PostgreSQL the counter is a sequence and the procedure a function returning one row; nextval
// never waits for another till, even inside a long transaction. On SQLite, which has no
// procedures, calling one inserts a row into GET_ID_<table>_CALL, whose trigger advances the
// counter in ID_GENERATORE and writes the id into that row's RESULT; SQLite lets one writer in at
// a time, so two tills never get the same id.
#include "orvelmagdb/base/Schema.h"
#include "orvelmagdb/base/detail/SchemaAreas.h"

namespace orvel_schema {

void AddIdProcedures(CDialect::Kind kind, CSchemaDefinition& schema)
{
    CString sql;
    if (kind != CDialect::postgresql)
        schema.AddTable("ID_GENERATORE", "NOME TEXT NOT NULL PRIMARY KEY, ULTIMO INTEGER NOT NULL");
    for (const char* table : CSchema::GeneratedIdTables()) {
        if (kind == CDialect::postgresql) {
            sql.Format("CREATE SEQUENCE ID_%s_SEQ", table);
            schema.AddStatement(sql);
            sql.Format("CREATE FUNCTION GET_ID_%s() RETURNS TABLE (ID INTEGER) LANGUAGE sql AS "
                       "$$ SELECT CAST(nextval('ID_%s_SEQ') AS INTEGER) $$",
                       table, table);
            schema.AddStatement(sql);
            continue;
        }
        sql.Format("INSERT INTO ID_GENERATORE (NOME, ULTIMO) VALUES ('%s', 0)", table);
        schema.AddStatement(sql);
        sql.Format("GET_ID_%s_CALL", table);
        schema.AddTable(sql, "RESULT INTEGER");
        sql.Format(
            "CREATE TRIGGER GET_ID_%s_RUN AFTER INSERT ON GET_ID_%s_CALL BEGIN "
            "UPDATE ID_GENERATORE SET ULTIMO = ULTIMO + 1 WHERE NOME = '%s'; "
            "UPDATE GET_ID_%s_CALL SET RESULT = (SELECT ULTIMO FROM ID_GENERATORE WHERE NOME = '%s') "
            "WHERE rowid = NEW.rowid; "
            "DELETE FROM GET_ID_%s_CALL WHERE rowid < NEW.rowid; "
            "END",
            table, table, table, table, table, table);
        schema.AddStatement(sql);
    }
}

}  // namespace orvel_schema
