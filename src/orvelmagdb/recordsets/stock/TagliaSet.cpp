// CTagliaSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/stock/TagliaSet.h"

ORVEL_RECORDSET_IMPLEMENT(CTagliaSet)
