// CArticoloVarianteSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/stock/ArticoloVarianteSet.h"

ORVEL_RECORDSET_IMPLEMENT(CArticoloVarianteSet)
