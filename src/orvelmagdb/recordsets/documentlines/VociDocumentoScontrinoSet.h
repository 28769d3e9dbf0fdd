// CVociDocumentoScontrinoSet: lines of till receipts with the department and till VAT codes.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/DocumentLineCatalogue.h"

class ORVEL_API CVociDocumentoScontrinoSet : public CRecordset {
    ORVEL_RECORDSET(CVociDocumentoScontrinoSet)
};
