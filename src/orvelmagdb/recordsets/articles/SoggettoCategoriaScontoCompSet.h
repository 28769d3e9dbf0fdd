// CSoggettoCategoriaScontoCompSet: the discount band a partner gets on an article category, with
// the band's discounts.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/ArticleCatalogue.h"

class ORVEL_API CSoggettoCategoriaScontoCompSet : public CRecordset {
    ORVEL_RECORDSET(CSoggettoCategoriaScontoCompSet)
};
