// CArticoloModaEsistenzaSet: stock of garments per company and year (the sum over the company's
// depots).
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/StockCatalogue.h"

class ORVEL_API CArticoloModaEsistenzaSet : public CRecordset {
    ORVEL_RECORDSET(CArticoloModaEsistenzaSet)
};
