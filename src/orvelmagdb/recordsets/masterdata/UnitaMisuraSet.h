// CUnitaMisuraSet: Units of measure.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/Catalogue.h"

class ORVEL_API CUnitaMisuraSet : public CRecordset {
    ORVEL_RECORDSET(CUnitaMisuraSet)
};
