// CIvaDocumentoSet: the stored VAT summary of a document, one row per VAT code.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/DocumentCatalogue.h"

class ORVEL_API CIvaDocumentoSet : public CRecordset {
    ORVEL_RECORDSET(CIvaDocumentoSet)
};
