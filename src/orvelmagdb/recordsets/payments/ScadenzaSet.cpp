// CScadenzaSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/payments/ScadenzaSet.h"

ORVEL_RECORDSET_IMPLEMENT(CScadenzaSet)
