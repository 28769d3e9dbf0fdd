// CProgressivoSet: numbering counters per year and company.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/DocumentCatalogue.h"

class ORVEL_API CProgressivoSet : public CRecordset {
    ORVEL_RECORDSET(CProgressivoSet)
};
