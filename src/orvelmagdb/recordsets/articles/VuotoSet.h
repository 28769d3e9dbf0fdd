// CVuotoSet: returnable containers (crates, bottles, kegs) with their deposit prices and VAT rate.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/ArticleCatalogue.h"

class ORVEL_API CVuotoSet : public CRecordset {
    ORVEL_RECORDSET(CVuotoSet)
};
