// CContoCompletoSet: columns, table and defaults come from the catalogue.
#include "orveldb/recordsets/ContoCompletoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CContoCompletoSet)
