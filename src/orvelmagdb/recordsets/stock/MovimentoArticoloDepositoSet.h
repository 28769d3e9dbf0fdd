// CMovimentoArticoloDepositoSet: movement totals of an article per company, depot and year.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/StockCatalogue.h"

class ORVEL_API CMovimentoArticoloDepositoSet : public CRecordset {
    ORVEL_RECORDSET(CMovimentoArticoloDepositoSet)
};
