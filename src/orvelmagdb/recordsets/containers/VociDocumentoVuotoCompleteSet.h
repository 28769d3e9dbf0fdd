// CVociDocumentoVuotoCompleteSet: container lines with the container's data and the line amounts.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/ContainerCatalogue.h"

class ORVEL_API CVociDocumentoVuotoCompleteSet : public CRecordset {
    ORVEL_RECORDSET(CVociDocumentoVuotoCompleteSet)
};
