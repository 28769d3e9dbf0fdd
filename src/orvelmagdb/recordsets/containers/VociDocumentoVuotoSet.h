// CVociDocumentoVuotoSet: lines of container documents.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/ContainerCatalogue.h"

class ORVEL_API CVociDocumentoVuotoSet : public CRecordset {
    ORVEL_RECORDSET(CVociDocumentoVuotoSet)
};
