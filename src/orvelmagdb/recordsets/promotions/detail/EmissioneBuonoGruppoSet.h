// CEmissioneBuonoGruppoSet: the article groups a voucher campaign counts (internal to the library).
#pragma once

#include "orvelmagdb/recordsets/catalogue/PromotionCatalogue.h"

class CEmissioneBuonoGruppoSet : public CRecordset {
    ORVEL_RECORDSET(CEmissioneBuonoGruppoSet)
};
