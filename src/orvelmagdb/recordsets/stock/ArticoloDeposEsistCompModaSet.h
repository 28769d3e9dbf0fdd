// CArticoloDeposEsistCompModaSet: stock of garments (size scale, size, colour) per depot, with the
// depot's address.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/StockCatalogue.h"

class ORVEL_API CArticoloDeposEsistCompModaSet : public CRecordset {
    ORVEL_RECORDSET(CArticoloDeposEsistCompModaSet)
};
