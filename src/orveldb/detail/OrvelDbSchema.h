// The tables and views of the partner library: companies, partners and their sites, accounts,
// discount bands and price lists.
#pragma once

#include "odbc/Dialect.h"
#include "orveldblib/SchemaDefinition.h"

namespace orveldb {

void AddSchema(CDialect::Kind kind, CSchemaDefinition& schema);

}  // namespace orveldb
