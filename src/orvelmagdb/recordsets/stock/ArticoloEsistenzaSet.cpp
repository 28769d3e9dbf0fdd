// CArticoloEsistenzaSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/stock/ArticoloEsistenzaSet.h"

ORVEL_RECORDSET_IMPLEMENT(CArticoloEsistenzaSet)
