// The tables and views of promotions, voucher campaigns and the point-of-sale set-up.
#include "orvelmagdb/base/detail/SchemaAreas.h"

namespace orvel_schema {

void AddPromotionSchema(CDialect::Kind /*kind*/, CSchemaDefinition& /*schema*/)
{
}

}  // namespace orvel_schema
