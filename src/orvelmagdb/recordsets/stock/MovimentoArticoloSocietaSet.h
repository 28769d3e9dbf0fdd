// CMovimentoArticoloSocietaSet: movement totals of an article per company and year.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/StockCatalogue.h"

class ORVEL_API CMovimentoArticoloSocietaSet : public CRecordset {
    ORVEL_RECORDSET(CMovimentoArticoloSocietaSet)
};
