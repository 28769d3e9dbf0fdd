// CUnitaMisuraSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/masterdata/UnitaMisuraSet.h"

ORVEL_RECORDSET_IMPLEMENT(CUnitaMisuraSet)
