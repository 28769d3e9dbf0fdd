// CARTICOLO_FORNITORE_COMPLETO: the suppliers of an article with the supplier's name.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/ArticleCatalogue.h"

class ORVEL_API CARTICOLO_FORNITORE_COMPLETO : public CRecordset {
    ORVEL_RECORDSET(CARTICOLO_FORNITORE_COMPLETO)
};
