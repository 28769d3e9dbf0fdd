// CEFFETTO_CONTABILITA: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/payments/EFFETTO_CONTABILITA.h"

ORVEL_RECORDSET_IMPLEMENT(CEFFETTO_CONTABILITA)
