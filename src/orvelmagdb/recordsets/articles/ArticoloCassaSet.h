// CArticoloCassaSet: an article as the till sees it: VAT rate and till number of the rate,
// department code and description.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/ArticleCatalogue.h"

class ORVEL_API CArticoloCassaSet : public CRecordset {
    ORVEL_RECORDSET(CArticoloCassaSet)
};
