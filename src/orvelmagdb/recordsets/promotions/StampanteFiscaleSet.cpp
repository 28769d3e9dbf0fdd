// CStampanteFiscaleSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/promotions/StampanteFiscaleSet.h"

ORVEL_RECORDSET_IMPLEMENT(CStampanteFiscaleSet)
