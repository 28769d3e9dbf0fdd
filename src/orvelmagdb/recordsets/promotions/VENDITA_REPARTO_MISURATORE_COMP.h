// CVENDITA_REPARTO_MISURATORE_COMP: per-department fiscal-printer sales with the department's description.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/PromotionCatalogue.h"

class ORVEL_API CVENDITA_REPARTO_MISURATORE_COMP : public CRecordset {
    ORVEL_RECORDSET(CVENDITA_REPARTO_MISURATORE_COMP)
};
