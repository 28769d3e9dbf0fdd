// CPrelievoBancoMonetaSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/payments/PrelievoBancoMonetaSet.h"

ORVEL_RECORDSET_IMPLEMENT(CPrelievoBancoMonetaSet)
