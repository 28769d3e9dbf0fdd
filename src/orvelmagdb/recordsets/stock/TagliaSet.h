// CTagliaSet: sizes of a size scale, in order.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/StockCatalogue.h"

class ORVEL_API CTagliaSet : public CRecordset {
    ORVEL_RECORDSET(CTagliaSet)
};
