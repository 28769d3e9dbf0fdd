// CTessutoSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/stock/TessutoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CTessutoSet)
