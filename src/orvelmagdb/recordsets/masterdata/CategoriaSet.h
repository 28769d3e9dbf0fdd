// CCategoriaSet: Article categories, the top of the merchandise tree.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/MasterDataCatalogue.h"

class ORVEL_API CCategoriaSet : public CRecordset {
    ORVEL_RECORDSET(CCategoriaSet)
};
