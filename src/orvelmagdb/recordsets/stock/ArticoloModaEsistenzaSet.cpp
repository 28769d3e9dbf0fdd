// CArticoloModaEsistenzaSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/stock/ArticoloModaEsistenzaSet.h"

ORVEL_RECORDSET_IMPLEMENT(CArticoloModaEsistenzaSet)
