// Putting the areas of the schema together and creating it.
#include "orvelmagdb/base/Schema.h"

#include <memory>

#include "afx/RuntimeClass.h"
#include "odbc/Recordset.h"

#include "odbc/DBException.h"
#include "odbc/Database.h"
#include "orveldb/detail/OrvelDbSchema.h"
#include "orveldblib/ODBCRecordset.h"
#include "orvelmagdb/base/detail/SchemaAreas.h"
#include "orvelristdb/detail/OrvelRistDbSchema.h"

CSchemaException::~CSchemaException() = default;

CSchemaDefinition CSchema::Definition(CDialect::Kind kind)
{
    CSchemaDefinition schema;
    schema.AddTable("ORVEL_SCHEMA", "VERSIONE INTEGER NOT NULL");
    CString marker;
    marker.Format("INSERT INTO ORVEL_SCHEMA (VERSIONE) VALUES (%d)", kVersion);
    schema.AddStatement(marker);

    orveldb::AddSchema(kind, schema);
    orvel_schema::AddMasterDataSchema(kind, schema);
    orvel_schema::AddArticleSchema(kind, schema);
    orvel_schema::AddStockSchema(kind, schema);
    orvel_schema::AddDocumentSchema(kind, schema);
    orvel_schema::AddDocumentLineSchema(kind, schema);
    orvel_schema::AddContainerSchema(kind, schema);
    orvel_schema::AddPaymentSchema(kind, schema);
    orvel_schema::AddPromotionSchema(kind, schema);
    orvelristdb::AddSchema(kind, schema);
    orvel_schema::AddIdProcedures(kind, schema);
    return schema;
}

const std::vector<const char*>& CSchema::GeneratedIdTables()
{
    static const std::vector<const char*> tables = {"DOCUMENTO",  "EFFETTO",  "EMISSIONE_BUONO", "PRELIEVO_BANCO",
                                                    "PROMOZIONE", "SCADENZA", "SCADENZARIO"};
    return tables;
}

std::vector<CString> CSchema::CreationStatements(CDialect::Kind kind)
{
    return Definition(kind).CreationStatements();
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

namespace {

// True when the statement runs; its error text otherwise.
bool Runs(CDatabase& db, const CString& sql, CString& error)
{
    try {
        CODBCRecordset rs(&db);
        rs.Open(sql, 2, 8196);
        rs.Close();
        return true;
    } catch (const CDBException& e) {
        error = e.m_strError;
        error.Trim();
        return false;
    }
}

void CheckTables(CDatabase& db, const CSchemaDefinition& def, std::vector<CString>& problems)
{
    CString sql, error, line;
    for (const auto& table : def.Tables()) {
        if (table.name.Find("_CALL") >= 0)
            continue;  // procedure plumbing, checked with the procedures
        std::vector<CString> columns = CSchemaDefinition::ColumnsOf(table);
        CString list;
        for (const CString& c : columns)
            list += (list.IsEmpty() ? "" : ", ") + c;
        sql.Format("SELECT %s FROM %s WHERE 1 = 0", list.GetString(), table.name.GetString());
        if (Runs(db, sql, error))
            continue;
        sql.Format("SELECT * FROM %s WHERE 1 = 0", table.name.GetString());
        if (!Runs(db, sql, error)) {
            line.Format("table %s: missing (%s)", table.name.GetString(), error.GetString());
            problems.push_back(line);
            continue;
        }
        // The table is there: name the columns that are not.
        for (const CString& c : columns) {
            sql.Format("SELECT %s FROM %s WHERE 1 = 0", c.GetString(), table.name.GetString());
            if (!Runs(db, sql, error)) {
                line.Format("table %s: column %s missing", table.name.GetString(), c.GetString());
                problems.push_back(line);
            }
        }
    }
}

void CheckProcedures(CDatabase& db, std::vector<CString>& problems)
{
    CString sql, error, line;
    for (const char* table : CSchema::GeneratedIdTables()) {
        // Asking the catalogue rather than calling: a call would use up an id.
        if (db.GetDialect().GetKind() == CDialect::postgresql)
            // Resolved through the search path, as a call would be: another schema's
            // function of the same name does not count.
            sql.Format("SELECT 1 WHERE to_regprocedure(lower('GET_ID_%s()')) IS NOT NULL", table);
        else
            sql.Format("SELECT 1 FROM sqlite_master WHERE type = 'trigger' AND name = 'GET_ID_%s_RUN'", table);
        try {
            CODBCRecordset rs(&db);
            rs.Open(sql, 2, 8196);
            bool found = !rs.IsEOF();
            rs.Close();
            if (found)
                continue;
            line.Format("procedure GET_ID_%s: missing", table);
        } catch (const CDBException& e) {
            line.Format("procedure GET_ID_%s: cannot be checked (%s)", table, e.m_strError.GetString());
        }
        problems.push_back(line);
    }
}

void CheckRecordsets(CDatabase& db, std::vector<CString>& problems)
{
    for (const CString& name : AfxGetRuntimeClassNames()) {
        CRuntimeClass* cls = AfxFindRuntimeClass(name);
        if (cls == nullptr || cls->m_pfnCreateObject == nullptr || !cls->IsDerivedFrom(RUNTIME_CLASS(CRecordset)))
            continue;
        std::unique_ptr<CObject> object(cls->CreateObject());
        auto* rs = static_cast<CRecordset*>(object.get());
        rs->m_pDatabase = &db;
        rs->m_strFilter = "1 = 0";
        try {
            rs->Open();
            rs->Close();
        } catch (const CDBException& e) {
            CString line, error(e.m_strError);
            error.Trim();
            line.Format("%s %s: %s", name.GetString(), rs->GetDefaultSQL().GetString(), error.GetString());
            problems.push_back(line);
        }
    }
}

}  // namespace

std::vector<CString> CSchema::Check(CDatabase& db)
{
    std::vector<CString> problems;
    if (!Exists(db))
        problems.push_back("table ORVEL_SCHEMA: missing (the database was not made by orvelmag init)");
    CheckTables(db, Definition(db.GetDialect().GetKind()), problems);
    CheckProcedures(db, problems);
    CheckRecordsets(db, problems);
    return problems;
}
