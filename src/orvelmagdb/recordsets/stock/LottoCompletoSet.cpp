// CLottoCompletoSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/stock/LottoCompletoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CLottoCompletoSet)
