// CArticoloCassaSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/articles/ArticoloCassaSet.h"

ORVEL_RECORDSET_IMPLEMENT(CArticoloCassaSet)
