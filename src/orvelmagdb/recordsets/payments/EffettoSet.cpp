// CEffettoSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/payments/EffettoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CEffettoSet)
