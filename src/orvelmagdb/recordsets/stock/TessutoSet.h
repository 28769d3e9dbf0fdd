// CTessutoSet: fabrics.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/StockCatalogue.h"

class ORVEL_API CTessutoSet : public CRecordset {
    ORVEL_RECORDSET(CTessutoSet)
};
