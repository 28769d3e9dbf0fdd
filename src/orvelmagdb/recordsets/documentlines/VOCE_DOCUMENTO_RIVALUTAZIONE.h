// CVOCE_DOCUMENTO_RIVALUTAZIONE: revaluation of an imported line: foreign price, duty, volume and
// transport cost.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/DocumentLineCatalogue.h"

class ORVEL_API CVOCE_DOCUMENTO_RIVALUTAZIONE : public CRecordset {
    ORVEL_RECORDSET(CVOCE_DOCUMENTO_RIVALUTAZIONE)
};
