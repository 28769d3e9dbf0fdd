// CPostazioneSet: till workstations and their devices.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/PromotionCatalogue.h"

class ORVEL_API CPostazioneSet : public CRecordset {
    ORVEL_RECORDSET(CPostazioneSet)
};
