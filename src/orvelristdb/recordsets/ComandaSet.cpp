// CComandaSet: columns, table and defaults come from the catalogue.
#include "orvelristdb/recordsets/ComandaSet.h"

ORVEL_RECORDSET_IMPLEMENT(CComandaSet)
