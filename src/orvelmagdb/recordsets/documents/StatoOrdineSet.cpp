// CStatoOrdineSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/documents/StatoOrdineSet.h"

ORVEL_RECORDSET_IMPLEMENT(CStatoOrdineSet)
