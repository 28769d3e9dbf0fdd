// CCategoriaScontoCompletoSet: discount bands of an article category with the band's discounts and
// commission.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/ArticleCatalogue.h"

class ORVEL_API CCategoriaScontoCompletoSet : public CRecordset {
    ORVEL_RECORDSET(CCategoriaScontoCompletoSet)
};
