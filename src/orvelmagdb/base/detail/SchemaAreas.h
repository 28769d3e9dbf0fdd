// The parts of the shop database, one function per area; CSchema puts them together in this
// order, so a table may refer only to tables of its own area (added before it) or of an earlier
// area, and likewise for views.
#pragma once

#include <vector>

#include "odbc/Dialect.h"
#include "orveldblib/SchemaDefinition.h"

namespace orvel_schema {

void AddMasterDataSchema(CDialect::Kind kind, CSchemaDefinition& schema);
void AddArticleSchema(CDialect::Kind kind, CSchemaDefinition& schema);
void AddStockSchema(CDialect::Kind kind, CSchemaDefinition& schema);
void AddDocumentSchema(CDialect::Kind kind, CSchemaDefinition& schema);
void AddDocumentLineSchema(CDialect::Kind kind, CSchemaDefinition& schema);
void AddContainerSchema(CDialect::Kind kind, CSchemaDefinition& schema);
void AddPaymentSchema(CDialect::Kind kind, CSchemaDefinition& schema);
void AddPromotionSchema(CDialect::Kind kind, CSchemaDefinition& schema);
void AddEInvoiceSchema(CDialect::Kind kind, CSchemaDefinition& schema);
// A key that one row at most may hold, kept by a partial unique index: the rows of TABLE that meet
// CONDITION have distinct values of COLUMN (or of the combination, when COLUMN lists several
// columns separated by commas). OWNER names the row that holds the key (the article
// of an EAN), so that duplicates found in an older database can be named.
struct UniqueKey {
    const char* index;
    const char* table;
    const char* column;
    const char* owner;
    const char* condition;
    const char* what;    // what the key is, in a finding ("EAN")
    const char* owners;  // what the owners are, in the plural ("articles")

    CString CreateStatement() const;
};
// The unique keys of the shop database; the article area creates their indexes.
const std::vector<UniqueKey>& UniqueKeys();

// The trigger that keeps a reason's numbering counter at the last number used; see
// DocumentSchema.cpp. NumberingTriggerStatements makes it (on PostgreSQL, its function first).
constexpr const char* kNumberingTrigger = "DOCUMENTO_NUMERAZIONE";
std::vector<CString> NumberingTriggerStatements(CDialect::Kind kind);

// The "GET_ID_<table>" procedures of the tables whose ids the database hands out.
void AddIdProcedures(CDialect::Kind kind, CSchemaDefinition& schema);

}  // namespace orvel_schema
