// CListinoSet: columns, table and defaults come from the catalogue.
#include "orveldb/recordsets/ListinoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CListinoSet)
