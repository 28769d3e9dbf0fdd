// The tables and views of returnable-container documents.
#include "orvelmagdb/base/detail/SchemaAreas.h"

namespace orvel_schema {

void AddContainerSchema(CDialect::Kind /*kind*/, CSchemaDefinition& /*schema*/)
{
}

}  // namespace orvel_schema
