// CEffettoScadenzaCompletoSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/payments/EffettoScadenzaCompletoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CEffettoScadenzaCompletoSet)
