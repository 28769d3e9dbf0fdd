// CCtrlMovimentoArticoloSocietaSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/stock/CtrlMovimentoArticoloSocietaSet.h"

ORVEL_RECORDSET_IMPLEMENT(CCtrlMovimentoArticoloSocietaSet)
