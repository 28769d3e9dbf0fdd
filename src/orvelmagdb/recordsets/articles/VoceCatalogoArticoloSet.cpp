// CVoceCatalogoArticoloSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/articles/VoceCatalogoArticoloSet.h"

ORVEL_RECORDSET_IMPLEMENT(CVoceCatalogoArticoloSet)
