// CVociDocumentoScontrinoNofiscSet: lines of non-fiscal till receipts with the department and till
// VAT codes.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/DocumentLineCatalogue.h"

class ORVEL_API CVociDocumentoScontrinoNofiscSet : public CRecordset {
    ORVEL_RECORDSET(CVociDocumentoScontrinoNofiscSet)
};
