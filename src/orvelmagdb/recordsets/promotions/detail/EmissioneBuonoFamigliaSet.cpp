// CEmissioneBuonoFamigliaSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/promotions/detail/EmissioneBuonoFamigliaSet.h"

ORVEL_RECORDSET_IMPLEMENT(CEmissioneBuonoFamigliaSet)
