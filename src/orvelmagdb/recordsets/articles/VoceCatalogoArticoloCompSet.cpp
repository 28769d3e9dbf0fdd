// CVoceCatalogoArticoloCompSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/articles/VoceCatalogoArticoloCompSet.h"

ORVEL_RECORDSET_IMPLEMENT(CVoceCatalogoArticoloCompSet)
