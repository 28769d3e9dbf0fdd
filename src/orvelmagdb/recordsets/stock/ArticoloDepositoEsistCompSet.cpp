// CArticoloDepositoEsistCompSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/stock/ArticoloDepositoEsistCompSet.h"

ORVEL_RECORDSET_IMPLEMENT(CArticoloDepositoEsistCompSet)
