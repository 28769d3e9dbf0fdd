// CDocumentoVuotoSet: the header of a container document.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/ContainerCatalogue.h"

class ORVEL_API CDocumentoVuotoSet : public CRecordset {
    ORVEL_RECORDSET(CDocumentoVuotoSet)
};
