// CVoceGiornaleCassaSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/payments/VoceGiornaleCassaSet.h"

ORVEL_RECORDSET_IMPLEMENT(CVoceGiornaleCassaSet)
