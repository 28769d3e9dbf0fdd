// CDocumentoVoceDocumentoSet: lines with the amounts of each and the header of their document.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/DocumentLineCatalogue.h"

class ORVEL_API CDocumentoVoceDocumentoSet : public CRecordset {
    ORVEL_RECORDSET(CDocumentoVoceDocumentoSet)
};
