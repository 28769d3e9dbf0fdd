// CArticoloPromozioneSet: the articles each promotion applies to.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/PromotionCatalogue.h"

class ORVEL_API CArticoloPromozioneSet : public CRecordset {
    ORVEL_RECORDSET(CArticoloPromozioneSet)
};
