// CArticoloDepositoEsistCompSet: stock per depot with the depot's address.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/StockCatalogue.h"

class ORVEL_API CArticoloDepositoEsistCompSet : public CRecordset {
    ORVEL_RECORDSET(CArticoloDepositoEsistCompSet)
};
