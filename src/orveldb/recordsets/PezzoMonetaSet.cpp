// CPezzoMonetaSet: columns, table and defaults come from the catalogue.
#include "orveldb/recordsets/PezzoMonetaSet.h"

ORVEL_RECORDSET_IMPLEMENT(CPezzoMonetaSet)
