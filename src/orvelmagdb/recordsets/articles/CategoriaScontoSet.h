// CCategoriaScontoSet: discount bands that apply to an article category, one of them the default.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/ArticleCatalogue.h"

class ORVEL_API CCategoriaScontoSet : public CRecordset {
    ORVEL_RECORDSET(CCategoriaScontoSet)
};
