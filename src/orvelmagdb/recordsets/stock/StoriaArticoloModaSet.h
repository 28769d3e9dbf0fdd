// CStoriaArticoloModaSet: history of a fashion article: each document line with the garment's size
// and colour.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/StockCatalogue.h"

class ORVEL_API CStoriaArticoloModaSet : public CRecordset {
    ORVEL_RECORDSET(CStoriaArticoloModaSet)
};
