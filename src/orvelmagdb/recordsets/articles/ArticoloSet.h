// CArticoloSet: articles as stored: codes, descriptions, prices, VAT, classification, discounts,
// stock and till flags, dimensions. Written by the article object; the stock, till, lot and modified
// flags of a new row start set.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/ArticleCatalogue.h"

class ORVEL_API CArticoloSet : public CRecordset {
    ORVEL_RECORDSET(CArticoloSet)
};
