// CEmissioneBuonoCompletaSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/promotions/EmissioneBuonoCompletaSet.h"

ORVEL_RECORDSET_IMPLEMENT(CEmissioneBuonoCompletaSet)
