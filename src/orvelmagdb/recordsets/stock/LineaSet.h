// CLineaSet: fashion lines: mark-up and supplier.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/StockCatalogue.h"

class ORVEL_API CLineaSet : public CRecordset {
    ORVEL_RECORDSET(CLineaSet)
};
