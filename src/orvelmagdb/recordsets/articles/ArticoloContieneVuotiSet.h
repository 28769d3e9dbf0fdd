// CArticoloContieneVuotiSet: returnable containers carried by an article, and how many.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/ArticleCatalogue.h"

class ORVEL_API CArticoloContieneVuotiSet : public CRecordset {
    ORVEL_RECORDSET(CArticoloContieneVuotiSet)
};
