// CAspettoBeniSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/documents/AspettoBeniSet.h"

ORVEL_RECORDSET_IMPLEMENT(CAspettoBeniSet)
