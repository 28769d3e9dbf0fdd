// The parts of the shop database, one function per area; CSchema puts them together in this
// order, so a table may refer only to tables of its own area (added before it) or of an earlier
// area, and likewise for views.
#pragma once

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
// The "GET_ID_<table>" procedures of the tables whose ids the database hands out.
void AddIdProcedures(CDialect::Kind kind, CSchemaDefinition& schema);

}  // namespace orvel_schema
