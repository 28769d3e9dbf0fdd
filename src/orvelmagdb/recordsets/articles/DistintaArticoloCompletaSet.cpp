// CDistintaArticoloCompletaSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/articles/DistintaArticoloCompletaSet.h"

ORVEL_RECORDSET_IMPLEMENT(CDistintaArticoloCompletaSet)
