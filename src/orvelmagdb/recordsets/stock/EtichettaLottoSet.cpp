// CEtichettaLottoSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/stock/EtichettaLottoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CEtichettaLottoSet)
