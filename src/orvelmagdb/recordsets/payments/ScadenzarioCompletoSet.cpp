// CScadenzarioCompletoSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/payments/ScadenzarioCompletoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CScadenzarioCompletoSet)
