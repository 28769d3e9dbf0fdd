// CCtrlMovimentoArticoloSocietaSet: movement totals of an article per company and year, recomputed
// from the stored document lines, to check the stored totals against.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/StockCatalogue.h"

class ORVEL_API CCtrlMovimentoArticoloSocietaSet : public CRecordset {
    ORVEL_RECORDSET(CCtrlMovimentoArticoloSocietaSet)
};
