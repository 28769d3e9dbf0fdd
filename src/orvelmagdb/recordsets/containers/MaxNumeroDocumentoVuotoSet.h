// CMaxNumeroDocumentoVuotoSet: the highest container document number per year and reason.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/ContainerCatalogue.h"

class ORVEL_API CMaxNumeroDocumentoVuotoSet : public CRecordset {
    ORVEL_RECORDSET(CMaxNumeroDocumentoVuotoSet)
};
