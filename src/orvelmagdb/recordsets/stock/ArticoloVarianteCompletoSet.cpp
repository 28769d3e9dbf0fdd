// CArticoloVarianteCompletoSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/stock/ArticoloVarianteCompletoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CArticoloVarianteCompletoSet)
