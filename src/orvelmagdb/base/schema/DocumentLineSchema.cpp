// The tables and views of document lines.
#include "orvelmagdb/base/detail/SchemaAreas.h"

namespace orvel_schema {

void AddDocumentLineSchema(CDialect::Kind /*kind*/, CSchemaDefinition& /*schema*/)
{
}

}  // namespace orvel_schema
