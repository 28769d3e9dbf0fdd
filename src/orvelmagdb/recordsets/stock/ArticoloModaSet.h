// CArticoloModaSet: fashion attributes of an article: season, line, fabric, size scale.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/StockCatalogue.h"

class ORVEL_API CArticoloModaSet : public CRecordset {
    ORVEL_RECORDSET(CArticoloModaSet)
};
