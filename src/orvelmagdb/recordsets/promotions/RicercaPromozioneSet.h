// CRicercaPromozioneSet: promotion validity per company and article, as the till searches it.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/PromotionCatalogue.h"

class ORVEL_API CRicercaPromozioneSet : public CRecordset {
    ORVEL_RECORDSET(CRicercaPromozioneSet)
};
