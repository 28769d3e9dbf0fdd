// CTouchPulsanteCompletoSet: touch-screen buttons with their article, section and layout.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/PromotionCatalogue.h"

class ORVEL_API CTouchPulsanteCompletoSet : public CRecordset {
    ORVEL_RECORDSET(CTouchPulsanteCompletoSet)
};
