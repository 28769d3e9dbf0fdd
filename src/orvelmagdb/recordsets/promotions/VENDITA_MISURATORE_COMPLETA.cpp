// CVENDITA_MISURATORE_COMPLETA: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/promotions/VENDITA_MISURATORE_COMPLETA.h"

ORVEL_RECORDSET_IMPLEMENT(CVENDITA_MISURATORE_COMPLETA)
