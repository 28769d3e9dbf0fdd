// CPagamentoBancoSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/payments/PagamentoBancoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CPagamentoBancoSet)
