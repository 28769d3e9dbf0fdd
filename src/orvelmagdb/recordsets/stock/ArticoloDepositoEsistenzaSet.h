// CArticoloDepositoEsistenzaSet: stock of an article per company, depot and year: opening stock,
// loaded, unloaded, loaded value, average cost, quantities committed and on order.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/StockCatalogue.h"

class ORVEL_API CArticoloDepositoEsistenzaSet : public CRecordset {
    ORVEL_RECORDSET(CArticoloDepositoEsistenzaSet)
};
