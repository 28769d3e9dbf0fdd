// CFamigliaSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/masterdata/FamigliaSet.h"

ORVEL_RECORDSET_IMPLEMENT(CFamigliaSet)
