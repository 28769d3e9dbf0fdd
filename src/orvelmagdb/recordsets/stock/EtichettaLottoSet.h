// CEtichettaLottoSet: lot labels waiting to be printed.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/StockCatalogue.h"

class ORVEL_API CEtichettaLottoSet : public CRecordset {
    ORVEL_RECORDSET(CEtichettaLottoSet)
};
