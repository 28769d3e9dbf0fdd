// CListinoArticoloIvaSet: price-list prices of articles, with the article's VAT rate and the price
// with VAT.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/ArticleCatalogue.h"

class ORVEL_API CListinoArticoloIvaSet : public CRecordset {
    ORVEL_RECORDSET(CListinoArticoloIvaSet)
};
