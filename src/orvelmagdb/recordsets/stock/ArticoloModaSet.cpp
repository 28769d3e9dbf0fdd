// CArticoloModaSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/stock/ArticoloModaSet.h"

ORVEL_RECORDSET_IMPLEMENT(CArticoloModaSet)
