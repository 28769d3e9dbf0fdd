// CGruppoSet: Article groups, under a family.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/MasterDataCatalogue.h"

class ORVEL_API CGruppoSet : public CRecordset {
    ORVEL_RECORDSET(CGruppoSet)
};
