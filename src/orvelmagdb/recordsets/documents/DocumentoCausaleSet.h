// CDocumentoCausaleSet: a header with the flags of its reason.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/DocumentCatalogue.h"

class ORVEL_API CDocumentoCausaleSet : public CRecordset {
    ORVEL_RECORDSET(CDocumentoCausaleSet)
};
