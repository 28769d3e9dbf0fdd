// CGruppoSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/masterdata/GruppoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CGruppoSet)
