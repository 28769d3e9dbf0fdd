// CScadenzarioDocumentoSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/payments/ScadenzarioDocumentoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CScadenzarioDocumentoSet)
