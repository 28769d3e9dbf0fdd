// CCapoCompletoSet: a garment with its article's data and the descriptions of its colour and size
// scale.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/StockCatalogue.h"

class ORVEL_API CCapoCompletoSet : public CRecordset {
    ORVEL_RECORDSET(CCapoCompletoSet)
};
