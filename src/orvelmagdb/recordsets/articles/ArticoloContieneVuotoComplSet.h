// CArticoloContieneVuotoComplSet: returnable containers carried by an article, with the container's
// code, description, prices and VAT rate as a whole number.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/ArticleCatalogue.h"

class ORVEL_API CArticoloContieneVuotoComplSet : public CRecordset {
    ORVEL_RECORDSET(CArticoloContieneVuotoComplSet)
};
