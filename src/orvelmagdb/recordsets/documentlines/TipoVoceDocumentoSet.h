// CTipoVoceDocumentoSet: kinds of document line.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/DocumentLineCatalogue.h"

class ORVEL_API CTipoVoceDocumentoSet : public CRecordset {
    ORVEL_RECORDSET(CTipoVoceDocumentoSet)
};
