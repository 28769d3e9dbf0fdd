// CCapoSet: garments of an article: one per size scale, size and colour, each with its barcode and
// its order in the scale.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/StockCatalogue.h"

class ORVEL_API CCapoSet : public CRecordset {
    ORVEL_RECORDSET(CCapoSet)
};
