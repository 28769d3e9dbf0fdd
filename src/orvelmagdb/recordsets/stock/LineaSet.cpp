// CLineaSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/stock/LineaSet.h"

ORVEL_RECORDSET_IMPLEMENT(CLineaSet)
