// CNumeroNoSerieDocumentoSet: the highest number in use per reason and year, whatever the series.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/DocumentCatalogue.h"

class ORVEL_API CNumeroNoSerieDocumentoSet : public CRecordset {
    ORVEL_RECORDSET(CNumeroNoSerieDocumentoSet)
};
