// CArticoloVarianteSet: priced options of an article (a variant sold at its own price).
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/StockCatalogue.h"

class ORVEL_API CArticoloVarianteSet : public CRecordset {
    ORVEL_RECORDSET(CArticoloVarianteSet)
};
