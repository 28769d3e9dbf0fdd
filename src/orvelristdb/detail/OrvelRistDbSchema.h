// The tables and views of the restaurant library: orders and their dishes.
#pragma once

#include "odbc/Dialect.h"
#include "orveldblib/SchemaDefinition.h"

namespace orvelristdb {

void AddSchema(CDialect::Kind kind, CSchemaDefinition& schema);

}  // namespace orvelristdb
