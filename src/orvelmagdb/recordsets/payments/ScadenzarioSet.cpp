// CScadenzarioSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/payments/ScadenzarioSet.h"

ORVEL_RECORDSET_IMPLEMENT(CScadenzarioSet)
