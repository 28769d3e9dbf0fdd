// CVociDocumentoOperSet: the stored lines as the warehouse line write sees them, with the header
// and reason copies.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/DocumentLineCatalogue.h"

class ORVEL_API CVociDocumentoOperSet : public CRecordset {
    ORVEL_RECORDSET(CVociDocumentoOperSet)
};
