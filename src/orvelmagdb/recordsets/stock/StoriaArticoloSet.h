// CStoriaArticoloSet: history of an article: each document line of it with its document and
// movement reason.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/StockCatalogue.h"

class ORVEL_API CStoriaArticoloSet : public CRecordset {
    ORVEL_RECORDSET(CStoriaArticoloSet)
};
