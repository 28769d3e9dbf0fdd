// CRepartoSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/masterdata/RepartoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CRepartoSet)
