// CMovimentoArticoloSocietaSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/stock/MovimentoArticoloSocietaSet.h"

ORVEL_RECORDSET_IMPLEMENT(CMovimentoArticoloSocietaSet)
