// Putting the areas of the schema together and creating it.
#include "orvelmagdb/base/Schema.h"

#include <memory>

#include "afx/RuntimeClass.h"
#include "odbc/Recordset.h"

#include "odbc/DBException.h"
#include "odbc/Database.h"
#include "orveldb/detail/OrvelDbSchema.h"
#include "orveldblib/ODBCRecordset.h"
#include "orveldblib/TransactionGuard.h"
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
    orvel_schema::AddEInvoiceSchema(kind, schema);
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
    } catch (const CDBException& e) {
        // The marker table is missing: no schema of ours here. A failure of the database itself
        // (a lost connection, a full disk, a file that is no database) is not an answer: it goes on
        // to the caller in the database's own words.
        if (e.IsFatal())
            throw;
        return false;
    }
}

void CSchema::Create(CDatabase& db)
{
    if (Exists(db))
        throw CSchemaException("the database already holds the OrvelMagDb schema; nothing was created");
    std::vector<CString> statements = CreationStatements(db.GetDialect().GetKind());
    // All or nothing: a failure half-way leaves the database as it was.
    CTransactionGuard transaction(db);
    for (const CString& sql : statements)
        db.ExecuteSQL(sql);
    transaction.Commit();
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

bool Found(CDatabase& db, const CString& sql)
{
    CODBCRecordset rs(&db);
    rs.Open(sql, 2, 8196);
    bool found = !rs.IsEOF();
    rs.Close();
    return found;
}

// SQLite lets a key column declared without NOT NULL take NULL (tables of earlier versions
// were made so), and a row without a key can never be loaded again. A single INTEGER key is
// exempt: SQLite gives a NULL there the next row number. PostgreSQL never lets a key take NULL.
void CheckKeysRefuseNull(CDatabase& db, const CSchemaDefinition& def, std::vector<CString>& problems)
{
    if (db.GetDialect().GetKind() == CDialect::postgresql)
        return;
    CString sql, line;
    for (const auto& table : def.Tables()) {
        const char* name = table.name.GetString();
        sql.Format("SELECT name FROM pragma_table_info('%s') WHERE pk > 0 AND \"notnull\" = 0 AND NOT "
                   "(upper(type) = 'INTEGER' AND (SELECT COUNT(*) FROM pragma_table_info('%s') WHERE pk > 0) = 1)",
                   name, name);
        try {
            CODBCRecordset rs(&db);
            for (rs.Open(sql, 2, 8196); !rs.IsEOF(); rs.MoveNext()) {
                line.Format("table %s: key column %s takes NULL", name, rs.Field(0)->AsString().GetString());
                problems.push_back(line);
            }
            rs.Close();
        } catch (const CDBException&) {
            // The table is missing, which CheckTables reports.
        }
    }
}

bool HasIndex(CDatabase& db, const char* name)
{
    CString sql;
    if (db.GetDialect().GetKind() == CDialect::postgresql)
        sql.Format("SELECT 1 WHERE to_regclass(lower('%s')) IS NOT NULL", name);
    else
        sql.Format("SELECT 1 FROM sqlite_master WHERE type = 'index' AND upper(name) = '%s'", name);
    return Found(db, sql);
}

// The numbering trigger: on SQLite two triggers (one for inserts, one for changes), on PostgreSQL
// one trigger over its function.
bool HasNumberingTrigger(CDatabase& db)
{
    CString sql;
    if (db.GetDialect().GetKind() == CDialect::postgresql) {
        sql.Format("SELECT 1 FROM pg_trigger T JOIN pg_class C ON C.oid = T.tgrelid "
                   "WHERE T.tgname = lower('%s') AND C.oid = to_regclass('documento')",
                   orvel_schema::kNumberingTrigger);
        return Found(db, sql);
    }
    sql.Format("SELECT COUNT(*) FROM sqlite_master WHERE type = 'trigger' AND upper(name) IN ('%s', '%s_MODIFICA') "
               "HAVING COUNT(*) = 2",
               orvel_schema::kNumberingTrigger, orvel_schema::kNumberingTrigger);
    return Found(db, sql);
}

// The values of a key that more than one row holds, one line a value with the rows that hold it
// ("duplicate EAN 8001234567895: articles A1, A2").
void FindDuplicates(CDatabase& db, const orvel_schema::UniqueKey& key, std::vector<CString>& findings)
{
    // A key of several columns is shown as its values joined by "/", and compared as a row value.
    CString sql, value, owners, line;
    sql.Format("SELECT %s, %s FROM %s WHERE %s AND (%s) IN "
               "(SELECT %s FROM %s WHERE %s GROUP BY %s HAVING COUNT(*) > 1) ORDER BY %s, %s",
               key.column, key.owner, key.table, key.condition, key.column, key.column, key.table, key.condition,
               key.column, key.column, key.owner);
    auto flush = [&] {
        if (owners.IsEmpty())
            return;
        line.Format("duplicate %s %s: %s %s", key.what, value.GetString(), key.owners, owners.GetString());
        findings.push_back(line);
    };
    CODBCRecordset rs(&db);
    for (rs.Open(sql, 2, 8196); !rs.IsEOF(); rs.MoveNext()) {
        const int keyColumns = rs.GetFieldCount() - 1;
        CString next = rs.Field(0)->AsString();
        for (int i = 1; i < keyColumns; ++i)
            next += "/" + rs.Field(i)->AsString();
        CString owner = rs.Field(keyColumns)->AsString();
        if (owners.IsEmpty() || next != value) {
            flush();
            value = next;
            owners = owner;
        } else {
            owners += ", " + owner;
        }
    }
    flush();
    rs.Close();
}

// Every unique key has its index; where one is missing (a database of an earlier version), the
// rows that would stop it from being made are listed.
void CheckUniqueKeys(CDatabase& db, std::vector<CString>& problems)
{
    CString line;
    for (const orvel_schema::UniqueKey& key : orvel_schema::UniqueKeys()) {
        try {
            if (HasIndex(db, key.index))
                continue;
            line.Format("index %s: missing (one %s may be held by several %s)", key.index, key.what, key.owners);
            problems.push_back(line);
            FindDuplicates(db, key, problems);
        } catch (const CDBException& e) {
            CString error(e.m_strError);
            line.Format("index %s: cannot be checked (%s)", key.index, error.Trim().GetString());
            problems.push_back(line);
        }
    }
}

void CheckNumberingTrigger(CDatabase& db, std::vector<CString>& problems)
{
    CString line;
    try {
        if (HasNumberingTrigger(db))
            return;
        line.Format("trigger %s: missing (numbering counters are not advanced)", orvel_schema::kNumberingTrigger);
    } catch (const CDBException& e) {
        CString error(e.m_strError);
        line.Format("trigger %s: cannot be checked (%s)", orvel_schema::kNumberingTrigger, error.Trim().GetString());
    }
    problems.push_back(line);
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
    CSchemaDefinition def = Definition(db.GetDialect().GetKind());
    CheckTables(db, def, problems);
    CheckKeysRefuseNull(db, def, problems);
    CheckProcedures(db, problems);
    CheckUniqueKeys(db, problems);
    CheckNumberingTrigger(db, problems);
    CheckRecordsets(db, problems);
    return problems;
}

std::vector<CString> CSchema::Upgrade(CDatabase& db)
{
    if (!Exists(db))
        throw CSchemaException("the database holds no OrvelMagDb schema to upgrade; create it first");
    std::vector<const orvel_schema::UniqueKey*> missing;
    std::vector<CString> duplicates;
    for (const orvel_schema::UniqueKey& key : orvel_schema::UniqueKeys()) {
        if (HasIndex(db, key.index))
            continue;
        missing.push_back(&key);
        FindDuplicates(db, key, duplicates);
    }
    if (!duplicates.empty()) {
        CString message("some keys are held more than once, so no unique index was added; resolve these first:");
        for (const CString& d : duplicates)
            message += "\n  " + d;
        throw CSchemaException(message.str());
    }
    // Each index is made by one statement; should a later one fail (a duplicate written in the
    // meantime), those made before it stay, as the rows already keep them.
    std::vector<CString> added;
    for (const orvel_schema::UniqueKey* key : missing) {
        db.ExecuteSQL(key->CreateStatement());
        added.push_back(key->index);
    }
    // Tables that a later version added (those of the electronic invoice) are made empty.
    CString error;
    const CSchemaDefinition definition = Definition(db.GetDialect().GetKind());
    for (const auto& table : definition.Tables()) {
        CString sql;
        sql.Format("SELECT * FROM %s WHERE 1 = 0", table.name.GetString());
        if (Runs(db, sql, error))
            continue;
        sql.Format("CREATE TABLE %s (%s)", table.name.GetString(), table.definition.GetString());
        db.ExecuteSQL(sql);
        added.push_back("table " + table.name);
    }
    if (!HasNumberingTrigger(db)) {
        // Made again whole, so that half of it left from an earlier attempt does not stand in the way.
        CDialect::Kind kind = db.GetDialect().GetKind();
        CTransactionGuard transaction(db);
        CString sql;
        if (kind == CDialect::postgresql) {
            sql.Format("DROP FUNCTION IF EXISTS %s() CASCADE", orvel_schema::kNumberingTrigger);
            db.ExecuteSQL(sql);
        } else {
            sql.Format("DROP TRIGGER IF EXISTS %s", orvel_schema::kNumberingTrigger);
            db.ExecuteSQL(sql);
            sql.Format("DROP TRIGGER IF EXISTS %s_MODIFICA", orvel_schema::kNumberingTrigger);
            db.ExecuteSQL(sql);
        }
        for (const CString& statement : orvel_schema::NumberingTriggerStatements(kind))
            db.ExecuteSQL(statement);
        transaction.Commit();
        added.push_back(orvel_schema::kNumberingTrigger);
    }
    return added;
}
