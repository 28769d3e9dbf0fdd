// CARTICOLO_PROG_CASSA: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/articles/ARTICOLO_PROG_CASSA.h"

ORVEL_RECORDSET_IMPLEMENT(CARTICOLO_PROG_CASSA)
