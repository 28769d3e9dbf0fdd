// CArticoloDeposEsistCompModaSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/stock/ArticoloDeposEsistCompModaSet.h"

ORVEL_RECORDSET_IMPLEMENT(CArticoloDeposEsistCompModaSet)
