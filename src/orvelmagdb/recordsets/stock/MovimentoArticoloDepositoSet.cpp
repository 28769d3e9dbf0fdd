// CMovimentoArticoloDepositoSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/stock/MovimentoArticoloDepositoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CMovimentoArticoloDepositoSet)
