// CTouchSezioneSet: sections (pages of buttons) of the touch-screen layouts.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/PromotionCatalogue.h"

class ORVEL_API CTouchSezioneSet : public CRecordset {
    ORVEL_RECORDSET(CTouchSezioneSet)
};
