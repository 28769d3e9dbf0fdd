// The tables and views of document headers, numbering, movement reasons, links, VAT summaries and transport data.
#include "orvelmagdb/base/detail/SchemaAreas.h"

namespace orvel_schema {

void AddDocumentSchema(CDialect::Kind /*kind*/, CSchemaDefinition& /*schema*/)
{
}

}  // namespace orvel_schema
