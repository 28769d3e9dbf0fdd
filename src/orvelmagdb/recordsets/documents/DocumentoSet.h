// CDocumentoSet: the header row of a document as the library writes it.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/DocumentCatalogue.h"

class ORVEL_API CDocumentoSet : public CRecordset {
    ORVEL_RECORDSET(CDocumentoSet)
};
