// CPortoMerciSet: carriage terms.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/DocumentCatalogue.h"

class ORVEL_API CPortoMerciSet : public CRecordset {
    ORVEL_RECORDSET(CPortoMerciSet)
};
