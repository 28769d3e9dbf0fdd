// CComandaOrdineSet: columns, table and defaults come from the catalogue.
#include "orvelristdb/recordsets/ComandaOrdineSet.h"

ORVEL_RECORDSET_IMPLEMENT(CComandaOrdineSet)
