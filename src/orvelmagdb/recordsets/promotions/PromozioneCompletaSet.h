// CPromozioneCompletaSet: promotions with their company's names.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/PromotionCatalogue.h"

class ORVEL_API CPromozioneCompletaSet : public CRecordset {
    ORVEL_RECORDSET(CPromozioneCompletaSet)
};
