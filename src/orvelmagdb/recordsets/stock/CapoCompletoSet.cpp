// CCapoCompletoSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/stock/CapoCompletoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CCapoCompletoSet)
