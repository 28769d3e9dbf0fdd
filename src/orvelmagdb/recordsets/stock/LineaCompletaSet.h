// CLineaCompletaSet: fashion lines with the supplier's name.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/StockCatalogue.h"

class ORVEL_API CLineaCompletaSet : public CRecordset {
    ORVEL_RECORDSET(CLineaCompletaSet)
};
