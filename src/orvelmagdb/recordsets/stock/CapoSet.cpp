// CCapoSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/stock/CapoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CCapoSet)
