// CEmissioneBuonoFamigliaSet: the article families a voucher campaign counts (internal to the library).
#pragma once

#include "orvelmagdb/recordsets/catalogue/PromotionCatalogue.h"

class CEmissioneBuonoFamigliaSet : public CRecordset {
    ORVEL_RECORDSET(CEmissioneBuonoFamigliaSet)
};
