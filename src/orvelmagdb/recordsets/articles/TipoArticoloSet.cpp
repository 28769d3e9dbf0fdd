// CTipoArticoloSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/articles/TipoArticoloSet.h"

ORVEL_RECORDSET_IMPLEMENT(CTipoArticoloSet)
