// The tables and views of the partner library.
#include "orveldb/detail/OrvelDbSchema.h"

namespace orveldb {

void AddSchema(CDialect::Kind /*kind*/, CSchemaDefinition& schema)
{
    // Companies of the group that share the database.
    schema.AddTable("SOCIETA", "ID INTEGER PRIMARY KEY, NOME TEXT, RAGIONE_SOCIALE TEXT");
}

}  // namespace orveldb
