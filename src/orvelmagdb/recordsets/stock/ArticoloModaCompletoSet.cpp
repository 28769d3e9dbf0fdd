// CArticoloModaCompletoSet: columns, source and defaults come from the catalogue;
// its own columns are bound after those of CArticoloCompletoSet.
#include "orvelmagdb/recordsets/stock/ArticoloModaCompletoSet.h"

ORVEL_RECORDSET_IMPLEMENT_DERIVED(CArticoloModaCompletoSet, CArticoloCompletoSet)
