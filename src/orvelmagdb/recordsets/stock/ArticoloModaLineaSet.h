// CArticoloModaLineaSet: fashion attributes of an article with the description of its line.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/StockCatalogue.h"

class ORVEL_API CArticoloModaLineaSet : public CRecordset {
    ORVEL_RECORDSET(CArticoloModaLineaSet)
};
