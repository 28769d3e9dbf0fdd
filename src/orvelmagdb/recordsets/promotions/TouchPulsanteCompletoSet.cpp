// CTouchPulsanteCompletoSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/promotions/TouchPulsanteCompletoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CTouchPulsanteCompletoSet)
