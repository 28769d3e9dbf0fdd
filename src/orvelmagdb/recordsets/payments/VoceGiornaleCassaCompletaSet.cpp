// CVoceGiornaleCassaCompletaSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/payments/VoceGiornaleCassaCompletaSet.h"

ORVEL_RECORDSET_IMPLEMENT(CVoceGiornaleCassaCompletaSet)
