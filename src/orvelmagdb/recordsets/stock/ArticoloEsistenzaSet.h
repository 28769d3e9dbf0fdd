// CArticoloEsistenzaSet: stock of an article per company and year (the sum over the company's
// depots).
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/StockCatalogue.h"

class ORVEL_API CArticoloEsistenzaSet : public CRecordset {
    ORVEL_RECORDSET(CArticoloEsistenzaSet)
};
