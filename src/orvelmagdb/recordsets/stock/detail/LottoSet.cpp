// CLottoSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/stock/detail/LottoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CLottoSet)
