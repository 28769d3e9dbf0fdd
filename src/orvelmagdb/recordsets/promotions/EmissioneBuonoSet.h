// CEmissioneBuonoSet: voucher campaigns.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/PromotionCatalogue.h"

class ORVEL_API CEmissioneBuonoSet : public CRecordset {
    ORVEL_RECORDSET(CEmissioneBuonoSet)
};
