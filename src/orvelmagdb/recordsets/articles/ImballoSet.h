// CImballoSet: packaging kinds and their weight.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/ArticleCatalogue.h"

class ORVEL_API CImballoSet : public CRecordset {
    ORVEL_RECORDSET(CImballoSet)
};
