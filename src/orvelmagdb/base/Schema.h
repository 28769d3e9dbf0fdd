// CSchema: the database the library needs — its tables, views, indexes and procedures — and the
// means to create it on an empty database of either kind and to tell whether a database has it.
//
// Tables and views are written once, in SQL that both databases read the same way (unquoted
// names, which PostgreSQL folds to lower case and SQLite compares without case; the types TEXT,
// INTEGER and TIMESTAMP; amounts as TEXT). What differs — how the id procedures and the delete
// procedures are made — is written per database beside them.
#pragma once

#include <vector>

#include "afx/Export.h"
#include "afx/String.h"
#include "odbc/Dialect.h"

class CDatabase;

class ORVEL_API CSchema {
public:
    // One base table: its name and the body of its CREATE TABLE statement.
    struct Table {
        const char* name;
        const char* definition;
    };
    // One view: its name and its SELECT.
    struct View {
        const char* name;
        const char* select;
    };
    // One index that a lookup of the library needs.
    struct Index {
        const char* name;
        const char* table;
        const char* columns;
    };

    // The version written into the database by Create; a later library may upgrade from it.
    static constexpr int kVersion = 1;

    static const std::vector<Table>& Tables();
    static const std::vector<View>& Views();
    static const std::vector<Index>& Indexes();
    // The tables whose ids come from a "GET_ID_<table>" procedure.
    static const std::vector<const char*>& GeneratedIdTables();

    // Every statement that creates the schema on an empty database of the given kind, in order.
    static std::vector<CString> CreationStatements(CDialect::Kind kind);

    // True when the database already holds this library's schema.
    static bool Exists(CDatabase& db);
    // Creates the whole schema in one transaction. A database that already has it is refused
    // with a CSchemaException; a database error rolls everything back and passes as CDBException.
    static void Create(CDatabase& db);
};

// Raised when the schema cannot be created as asked.
class ORVEL_API CSchemaException : public CException {
public:
    using CException::CException;
    ~CSchemaException() override;
};
