// CSoggettoCategoriaScontoSet: the discount band a partner gets on an article category.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/ArticleCatalogue.h"

class ORVEL_API CSoggettoCategoriaScontoSet : public CRecordset {
    ORVEL_RECORDSET(CSoggettoCategoriaScontoSet)
};
