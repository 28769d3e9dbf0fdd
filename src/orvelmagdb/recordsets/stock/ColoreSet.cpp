// CColoreSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/stock/ColoreSet.h"

ORVEL_RECORDSET_IMPLEMENT(CColoreSet)
