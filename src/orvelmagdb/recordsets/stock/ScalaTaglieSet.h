// CScalaTaglieSet: size scales.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/StockCatalogue.h"

class ORVEL_API CScalaTaglieSet : public CRecordset {
    ORVEL_RECORDSET(CScalaTaglieSet)
};
