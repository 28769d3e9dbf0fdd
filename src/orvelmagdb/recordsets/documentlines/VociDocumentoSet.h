// CVociDocumentoSet: the stored lines of documents: what a warehouse or restaurant document loads.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/DocumentLineCatalogue.h"

class ORVEL_API CVociDocumentoSet : public CRecordset {
    ORVEL_RECORDSET(CVociDocumentoSet)
};
