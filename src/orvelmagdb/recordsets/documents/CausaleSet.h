// CCausaleSet: movement reasons.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/DocumentCatalogue.h"

class ORVEL_API CCausaleSet : public CRecordset {
    ORVEL_RECORDSET(CCausaleSet)
};
