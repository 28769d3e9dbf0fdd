// CFamigliaSet: Article families, under a category.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/MasterDataCatalogue.h"

class ORVEL_API CFamigliaSet : public CRecordset {
    ORVEL_RECORDSET(CFamigliaSet)
};
