// CStampanteFiscaleSet: fiscal printers.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/PromotionCatalogue.h"

class ORVEL_API CStampanteFiscaleSet : public CRecordset {
    ORVEL_RECORDSET(CStampanteFiscaleSet)
};
