// CArticoloCompletoSet: an article with the descriptions of its VAT rate, category, family, group,
// department and price formulas, and the free-gift cost share of its family: what the article object
// loads.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/ArticleCatalogue.h"

class ORVEL_API CArticoloCompletoSet : public CRecordset {
    ORVEL_RECORDSET(CArticoloCompletoSet)
};
