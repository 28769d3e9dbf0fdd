// CTrasportoSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/documents/TrasportoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CTrasportoSet)
