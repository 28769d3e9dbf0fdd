// CVENDITA_REPARTO_MISURATORE: per-department sales counted by the fiscal printer.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/PromotionCatalogue.h"

class ORVEL_API CVENDITA_REPARTO_MISURATORE : public CRecordset {
    ORVEL_RECORDSET(CVENDITA_REPARTO_MISURATORE)
};
