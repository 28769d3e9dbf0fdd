// The tables and views of schedules, instalments, bills, payment formulas and till payments.
#include "orvelmagdb/base/detail/SchemaAreas.h"

namespace orvel_schema {

void AddPaymentSchema(CDialect::Kind /*kind*/, CSchemaDefinition& /*schema*/)
{
}

}  // namespace orvel_schema
