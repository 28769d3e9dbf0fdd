// CRepartoCompletoSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/masterdata/RepartoCompletoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CRepartoCompletoSet)
