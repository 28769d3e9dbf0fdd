// CARTICOLO_FORNITORE_COMPLETO: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/articles/ARTICOLO_FORNITORE_COMPLETO.h"

ORVEL_RECORDSET_IMPLEMENT(CARTICOLO_FORNITORE_COMPLETO)
