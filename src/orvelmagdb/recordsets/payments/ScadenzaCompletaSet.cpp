// CScadenzaCompletaSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/payments/ScadenzaCompletaSet.h"

ORVEL_RECORDSET_IMPLEMENT(CScadenzaCompletaSet)
