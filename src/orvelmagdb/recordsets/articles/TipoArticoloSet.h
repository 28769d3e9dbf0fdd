// CTipoArticoloSet: kinds of article.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/ArticleCatalogue.h"

class ORVEL_API CTipoArticoloSet : public CRecordset {
    ORVEL_RECORDSET(CTipoArticoloSet)
};
