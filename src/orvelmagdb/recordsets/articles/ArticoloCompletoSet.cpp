// CArticoloCompletoSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/articles/ArticoloCompletoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CArticoloCompletoSet)
