// CARTICOLO_PROG_CASSA: what a till programmes per article: price with VAT, department, till VAT
// number, and the modified flag that tells which articles to send again.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/ArticleCatalogue.h"

class ORVEL_API CARTICOLO_PROG_CASSA : public CRecordset {
    ORVEL_RECORDSET(CARTICOLO_PROG_CASSA)
};
