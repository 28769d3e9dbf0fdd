// CArticoloPromozioneListSet: articles in promotions with prices, VAT and department for the till.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/PromotionCatalogue.h"

class ORVEL_API CArticoloPromozioneListSet : public CRecordset {
    ORVEL_RECORDSET(CArticoloPromozioneListSet)
};
