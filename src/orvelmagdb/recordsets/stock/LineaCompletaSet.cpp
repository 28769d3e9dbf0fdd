// CLineaCompletaSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/stock/LineaCompletaSet.h"

ORVEL_RECORDSET_IMPLEMENT(CLineaCompletaSet)
