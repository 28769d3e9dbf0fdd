// CVettoreSet: carriers.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/DocumentCatalogue.h"

class ORVEL_API CVettoreSet : public CRecordset {
    ORVEL_RECORDSET(CVettoreSet)
};
