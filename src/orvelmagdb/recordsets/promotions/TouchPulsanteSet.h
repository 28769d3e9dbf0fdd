// CTouchPulsanteSet: article buttons of the touch-screen sections.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/PromotionCatalogue.h"

class ORVEL_API CTouchPulsanteSet : public CRecordset {
    ORVEL_RECORDSET(CTouchPulsanteSet)
};
