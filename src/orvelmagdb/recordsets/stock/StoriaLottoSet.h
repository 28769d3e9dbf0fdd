// CStoriaLottoSet: history of lots: each document line that moved a lot, with its document and
// reason.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/StockCatalogue.h"

class ORVEL_API CStoriaLottoSet : public CRecordset {
    ORVEL_RECORDSET(CStoriaLottoSet)
};
