// CDocumentoVuotoCausaleSet: a container header with the flags of its reason.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/ContainerCatalogue.h"

class ORVEL_API CDocumentoVuotoCausaleSet : public CRecordset {
    ORVEL_RECORDSET(CDocumentoVuotoCausaleSet)
};
