// CScadenzarioDocumentoCompletoSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/payments/ScadenzarioDocumentoCompletoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CScadenzarioDocumentoCompletoSet)
