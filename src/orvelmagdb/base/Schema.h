// CSchema: the shop database the library needs — tables, views, indexes and procedures — and the
// means to create it on an empty database of either kind and to tell whether a database has it.
//
// Tables and views are written once, in SQL that both databases read the same way (unquoted
// names, which PostgreSQL folds to lower case and SQLite compares without case; the types TEXT,
// INTEGER and TIMESTAMP; amounts as TEXT). A table that one recordset class reads whole takes its
// columns from that class's catalogue entry, and adds only its keys and references; the others
// (the document line table, which carries copies for the stock views, and the tables no class
// reads whole) are written out. What differs — how procedures are made — is written per database
// beside them. The parts come area by area (partners, master data, articles, stock,
// documents, lines, containers, payments, promotions, restaurant orders, id procedures).
#pragma once

#include <vector>

#include "afx/Exception.h"
#include "afx/Export.h"
#include "afx/String.h"
#include "odbc/Dialect.h"
#include "orveldblib/SchemaDefinition.h"

class CDatabase;

// Raised when the schema cannot be created as asked.
class ORVEL_API CSchemaException : public CException {
public:
    using CException::CException;
    ~CSchemaException() override;
};

class ORVEL_API CSchema {
public:
    // The version written into the database by Create; a later library may upgrade from it.
    static constexpr int kVersion = 1;

    // The whole schema for a database of the given kind.
    static CSchemaDefinition Definition(CDialect::Kind kind);
    // The tables whose ids come from a "GET_ID_<table>" procedure.
    static const std::vector<const char*>& GeneratedIdTables();

    // Every statement that creates the schema on an empty database of the given kind, in order,
    // beginning with the marker table that Exists looks for.
    static std::vector<CString> CreationStatements(CDialect::Kind kind);

    // True when the database already holds this library's schema.
    static bool Exists(CDatabase& db);
    // Creates the whole schema in one transaction. A database that already has it is refused
    // with a CSchemaException; a database error rolls everything back and passes as CDBException.
    static void Create(CDatabase& db);

    // Compares a database with what the library needs and lists what is missing or different,
    // one line a problem ("table IVA: column NOTE missing", "CIvaSet [IVA]: <driver message>"):
    // every base table with its columns, every key column that would take NULL, every id
    // procedure, the numbering trigger, every unique key (its index, and the rows that hold one
    // key twice and so stop the index: "duplicate EAN 8001234567895: articles A1, A2"), and every
    // recordset class of
    // the library, opened on the database as the library opens it. Reads only; an empty list
    // means the library can work on this database.
    static std::vector<CString> Check(CDatabase& db);

    // Brings a database made by an earlier version up to this one where that can be done in
    // place: adds the unique indexes it lacks, the tables a later version added (made empty) and
    // the numbering trigger when it is missing, and returns their names (empty when nothing was
    // missing; index names begin with "UX_", tables are named "table NAME"). When rows already hold a key twice, nothing is added and a CSchemaException lists
    // the duplicates (as Check does), for someone to resolve first. Key columns that take NULL
    // (SQLite tables of an earlier version) cannot be changed in place; Check reports them.
    static std::vector<CString> Upgrade(CDatabase& db);
};
