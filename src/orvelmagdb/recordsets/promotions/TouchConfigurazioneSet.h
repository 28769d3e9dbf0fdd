// CTouchConfigurazioneSet: touch-screen layouts of the till.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/PromotionCatalogue.h"

class ORVEL_API CTouchConfigurazioneSet : public CRecordset {
    ORVEL_RECORDSET(CTouchConfigurazioneSet)
};
