// CProgressivoCausaleSet: which counter numbers the documents of a reason.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/DocumentCatalogue.h"

class ORVEL_API CProgressivoCausaleSet : public CRecordset {
    ORVEL_RECORDSET(CProgressivoCausaleSet)
};
