// CArticoloModaLineaSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/stock/ArticoloModaLineaSet.h"

ORVEL_RECORDSET_IMPLEMENT(CArticoloModaLineaSet)
