// CScadenzarioCompletoScadenzeSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/payments/ScadenzarioCompletoScadenzeSet.h"

ORVEL_RECORDSET_IMPLEMENT(CScadenzarioCompletoScadenzeSet)
