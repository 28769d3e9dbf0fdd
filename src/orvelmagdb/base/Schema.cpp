// Putting the areas of the schema together and creating it.
#include "orvelmagdb/base/Schema.h"

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
