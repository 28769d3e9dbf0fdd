// The tables and views of the restaurant library.
#include "orvelristdb/detail/OrvelRistDbSchema.h"

namespace orvelristdb {

void AddSchema(CDialect::Kind /*kind*/, CSchemaDefinition& /*schema*/)
{
}

}  // namespace orvelristdb
