// CEmissioneBuonoGruppoSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/promotions/detail/EmissioneBuonoGruppoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CEmissioneBuonoGruppoSet)
