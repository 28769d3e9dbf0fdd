// CARTICOLO_FORNITORE: the suppliers of an article, with the supplier's own code and description
// (rows owned by the article and rewritten with it).
// Used only inside the library, so not exported.
#pragma once

#include "orvelmagdb/recordsets/catalogue/ArticleCatalogue.h"

class CARTICOLO_FORNITORE : public CRecordset {
    ORVEL_RECORDSET(CARTICOLO_FORNITORE)
};
