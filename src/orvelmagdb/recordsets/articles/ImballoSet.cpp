// CImballoSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/articles/ImballoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CImballoSet)
