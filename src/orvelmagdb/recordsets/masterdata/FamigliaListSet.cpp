// CFamigliaListSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/masterdata/FamigliaListSet.h"

ORVEL_RECORDSET_IMPLEMENT(CFamigliaListSet)
