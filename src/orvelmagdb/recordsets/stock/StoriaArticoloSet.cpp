// CStoriaArticoloSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/stock/StoriaArticoloSet.h"

ORVEL_RECORDSET_IMPLEMENT(CStoriaArticoloSet)
