// CFamigliaListSet: Families with their category and its completeness flag.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/MasterDataCatalogue.h"

class ORVEL_API CFamigliaListSet : public CRecordset {
    ORVEL_RECORDSET(CFamigliaListSet)
};
