// CStoriaLottoSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/stock/StoriaLottoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CStoriaLottoSet)
