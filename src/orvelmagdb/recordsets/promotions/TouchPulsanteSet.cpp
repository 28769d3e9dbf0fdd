// CTouchPulsanteSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/promotions/TouchPulsanteSet.h"

ORVEL_RECORDSET_IMPLEMENT(CTouchPulsanteSet)
