// CNumeroDocumentoSet: the highest number in use per reason, series and year.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/DocumentCatalogue.h"

class ORVEL_API CNumeroDocumentoSet : public CRecordset {
    ORVEL_RECORDSET(CNumeroDocumentoSet)
};
