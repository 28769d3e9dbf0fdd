// CTagliaCompletaSet: sizes with the description of their scale.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/StockCatalogue.h"

class ORVEL_API CTagliaCompletaSet : public CRecordset {
    ORVEL_RECORDSET(CTagliaCompletaSet)
};
