// CPagamentoBancoCompletoSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/payments/PagamentoBancoCompletoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CPagamentoBancoCompletoSet)
