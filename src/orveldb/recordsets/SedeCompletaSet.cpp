// CSedeCompletaSet: columns, table and defaults come from the catalogue.
#include "orveldb/recordsets/SedeCompletaSet.h"

ORVEL_RECORDSET_IMPLEMENT(CSedeCompletaSet)
