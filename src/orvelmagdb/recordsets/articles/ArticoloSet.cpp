// CArticoloSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/articles/ArticoloSet.h"

ORVEL_RECORDSET_IMPLEMENT(CArticoloSet)
