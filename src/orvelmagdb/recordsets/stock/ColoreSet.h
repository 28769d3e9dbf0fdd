// CColoreSet: colours.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/StockCatalogue.h"

class ORVEL_API CColoreSet : public CRecordset {
    ORVEL_RECORDSET(CColoreSet)
};
