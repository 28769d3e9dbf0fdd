// The tables and views of articles, their suppliers, codes, units, price lists, containers, bills of materials, labels, catalogues and discount categories.
#include "orvelmagdb/base/detail/SchemaAreas.h"

namespace orvel_schema {

void AddArticleSchema(CDialect::Kind /*kind*/, CSchemaDefinition& /*schema*/)
{
}

}  // namespace orvel_schema
