// CArticoloModaListSet: columns, source and defaults come from the catalogue;
// its own columns are bound after those of CArticoloListSet.
#include "orvelmagdb/recordsets/stock/ArticoloModaListSet.h"

ORVEL_RECORDSET_IMPLEMENT_DERIVED(CArticoloModaListSet, CArticoloListSet)
