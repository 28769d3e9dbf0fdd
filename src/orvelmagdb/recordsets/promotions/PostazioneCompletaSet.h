// CPostazioneCompletaSet: till workstations with their fiscal printer's description.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/PromotionCatalogue.h"

class ORVEL_API CPostazioneCompletaSet : public CRecordset {
    ORVEL_RECORDSET(CPostazioneCompletaSet)
};
