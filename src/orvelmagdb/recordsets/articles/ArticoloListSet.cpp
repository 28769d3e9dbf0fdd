// CArticoloListSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/articles/ArticoloListSet.h"

ORVEL_RECORDSET_IMPLEMENT(CArticoloListSet)
