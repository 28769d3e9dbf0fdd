// CEffettoScadenzaSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/payments/EffettoScadenzaSet.h"

ORVEL_RECORDSET_IMPLEMENT(CEffettoScadenzaSet)
