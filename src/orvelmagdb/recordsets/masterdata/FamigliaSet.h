// CFamigliaSet: Article families, under a category.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/Catalogue.h"

class ORVEL_API CFamigliaSet : public CRecordset {
    ORVEL_RECORDSET(CFamigliaSet)
};
