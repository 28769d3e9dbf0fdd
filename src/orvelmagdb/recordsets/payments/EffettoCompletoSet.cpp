// CEffettoCompletoSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/payments/EffettoCompletoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CEffettoCompletoSet)
