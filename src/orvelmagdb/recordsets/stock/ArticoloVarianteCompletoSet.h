// CArticoloVarianteCompletoSet: priced options with the descriptions of their article and category.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/StockCatalogue.h"

class ORVEL_API CArticoloVarianteCompletoSet : public CRecordset {
    ORVEL_RECORDSET(CArticoloVarianteCompletoSet)
};
