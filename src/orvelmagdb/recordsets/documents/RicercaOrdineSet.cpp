// CRicercaOrdineSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/documents/RicercaOrdineSet.h"

ORVEL_RECORDSET_IMPLEMENT(CRicercaOrdineSet)
