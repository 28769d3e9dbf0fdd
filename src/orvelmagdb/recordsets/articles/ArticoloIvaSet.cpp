// CArticoloIvaSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/articles/ArticoloIvaSet.h"

ORVEL_RECORDSET_IMPLEMENT(CArticoloIvaSet)
