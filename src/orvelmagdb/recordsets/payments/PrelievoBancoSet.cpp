// CPrelievoBancoSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/payments/PrelievoBancoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CPrelievoBancoSet)
