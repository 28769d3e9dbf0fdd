// CArticoloDepositoEsistenzaSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/stock/ArticoloDepositoEsistenzaSet.h"

ORVEL_RECORDSET_IMPLEMENT(CArticoloDepositoEsistenzaSet)
