// CEmissioneBuonoSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/promotions/EmissioneBuonoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CEmissioneBuonoSet)
