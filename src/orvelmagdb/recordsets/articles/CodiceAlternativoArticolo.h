// CCodiceAlternativoArticolo: alternative codes of an article: type 0 is another article code, any
// other type a barcode that stands for the EAN.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/ArticleCatalogue.h"

class ORVEL_API CCodiceAlternativoArticolo : public CRecordset {
    ORVEL_RECORDSET(CCodiceAlternativoArticolo)
};
