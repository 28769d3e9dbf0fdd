// CPromozioneSet: promotions of the companies.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/PromotionCatalogue.h"

class ORVEL_API CPromozioneSet : public CRecordset {
    ORVEL_RECORDSET(CPromozioneSet)
};
