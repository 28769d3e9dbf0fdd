// The tables that one recordset class reads whole take their columns from that class's catalogue
// list, so that a column is written down once: ORVEL_CATALOGUE_TABLE(CIvaSet) gives the table's
// name and its columns in binding order, typed by their kinds (texts and amounts TEXT, whole
// numbers INTEGER, dates TIMESTAMP); AddCatalogueTable adds the constraints of single columns
// (key, NOT NULL, references) and those of the whole table (a key of several columns).
#pragma once

#include <initializer_list>

#include "odbc/RecordsetMacros.h"
#include "orveldblib/SchemaDefinition.h"

namespace orvel_schema {

struct CatalogueColumn {
    const char* name;
    const char* type;
};

struct ColumnConstraint {
    const char* column;
    const char* constraint;  // what follows the column's type: "NOT NULL PRIMARY KEY"
};

// Adds the table; a constraint for a column that the list lacks is a slip of the schema's
// author and throws std::logic_error, so that no schema is made without it.
void AddCatalogueTable(CSchemaDefinition& schema, const char* name, std::initializer_list<CatalogueColumn> columns,
                       std::initializer_list<ColumnConstraint> constraints = {},
                       const char* tableConstraints = nullptr);

}  // namespace orvel_schema

#define ORVEL_CATALOGUE_TABLE(cls) ORVEL_SOURCE_##cls, {ORVEL_COLUMNS_##cls(ORVEL_SQL_COLUMN)}
#define ORVEL_SQL_COLUMN(kind, name, arg) orvel_schema::CatalogueColumn{#name, ORVEL_SQL_TYPE_##kind},
#define ORVEL_SQL_TYPE_T "TEXT"
#define ORVEL_SQL_TYPE_T0 "TEXT"
#define ORVEL_SQL_TYPE_RT "TEXT"
#define ORVEL_SQL_TYPE_L "INTEGER"
#define ORVEL_SQL_TYPE_RL "INTEGER"
#define ORVEL_SQL_TYPE_S "INTEGER"
#define ORVEL_SQL_TYPE_RS "INTEGER"
#define ORVEL_SQL_TYPE_TS "TIMESTAMP"
#define ORVEL_SQL_TYPE_RTS "TIMESTAMP"
#define ORVEL_SQL_TYPE_DT "TIMESTAMP"
#define ORVEL_SQL_TYPE_CT "TIMESTAMP"
