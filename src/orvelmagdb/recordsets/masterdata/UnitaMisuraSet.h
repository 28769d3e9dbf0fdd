// CUnitaMisuraSet: Units of measure.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/MasterDataCatalogue.h"

class ORVEL_API CUnitaMisuraSet : public CRecordset {
    ORVEL_RECORDSET(CUnitaMisuraSet)
};
