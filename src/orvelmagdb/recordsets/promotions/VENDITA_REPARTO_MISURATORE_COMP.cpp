// CVENDITA_REPARTO_MISURATORE_COMP: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/promotions/VENDITA_REPARTO_MISURATORE_COMP.h"

ORVEL_RECORDSET_IMPLEMENT(CVENDITA_REPARTO_MISURATORE_COMP)
