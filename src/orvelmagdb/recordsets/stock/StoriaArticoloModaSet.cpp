// CStoriaArticoloModaSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/stock/StoriaArticoloModaSet.h"

ORVEL_RECORDSET_IMPLEMENT(CStoriaArticoloModaSet)
