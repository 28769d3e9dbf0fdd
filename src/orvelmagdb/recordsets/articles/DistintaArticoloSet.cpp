// CDistintaArticoloSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/articles/DistintaArticoloSet.h"

ORVEL_RECORDSET_IMPLEMENT(CDistintaArticoloSet)
