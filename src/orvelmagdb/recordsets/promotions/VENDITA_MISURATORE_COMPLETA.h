// CVENDITA_MISURATORE_COMPLETA: per-article fiscal-printer sales with the article's data.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/PromotionCatalogue.h"

class ORVEL_API CVENDITA_MISURATORE_COMPLETA : public CRecordset {
    ORVEL_RECORDSET(CVENDITA_MISURATORE_COMPLETA)
};
