// The tables and views of stock, history, lots and fashion attributes.
#include "orvelmagdb/base/detail/SchemaAreas.h"

namespace orvel_schema {

void AddStockSchema(CDialect::Kind /*kind*/, CSchemaDefinition& /*schema*/)
{
}

}  // namespace orvel_schema
