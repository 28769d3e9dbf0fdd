// CArticoloIvaSet: an article with the rate of its VAT code.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/ArticleCatalogue.h"

class ORVEL_API CArticoloIvaSet : public CRecordset {
    ORVEL_RECORDSET(CArticoloIvaSet)
};
