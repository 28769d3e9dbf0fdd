// CVENDITA_REPARTO_MISURATORE: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/promotions/VENDITA_REPARTO_MISURATORE.h"

ORVEL_RECORDSET_IMPLEMENT(CVENDITA_REPARTO_MISURATORE)
