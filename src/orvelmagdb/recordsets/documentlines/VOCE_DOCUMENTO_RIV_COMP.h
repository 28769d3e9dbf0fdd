// CVOCE_DOCUMENTO_RIV_COMP: the revaluation rows of the lines of a document.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/DocumentLineCatalogue.h"

class ORVEL_API CVOCE_DOCUMENTO_RIV_COMP : public CRecordset {
    ORVEL_RECORDSET(CVOCE_DOCUMENTO_RIV_COMP)
};
