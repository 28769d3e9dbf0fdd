// CListinoArticoloIvaSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/articles/ListinoArticoloIvaSet.h"

ORVEL_RECORDSET_IMPLEMENT(CListinoArticoloIvaSet)
