// CEtichettaSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/articles/EtichettaSet.h"

ORVEL_RECORDSET_IMPLEMENT(CEtichettaSet)
