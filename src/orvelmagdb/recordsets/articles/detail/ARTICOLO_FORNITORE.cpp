// CARTICOLO_FORNITORE: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/articles/detail/ARTICOLO_FORNITORE.h"

ORVEL_RECORDSET_IMPLEMENT(CARTICOLO_FORNITORE)
