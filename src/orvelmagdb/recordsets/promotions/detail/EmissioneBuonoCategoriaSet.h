// CEmissioneBuonoCategoriaSet: the article categories a voucher campaign counts (internal to the library).
#pragma once

#include "orvelmagdb/recordsets/catalogue/PromotionCatalogue.h"

class CEmissioneBuonoCategoriaSet : public CRecordset {
    ORVEL_RECORDSET(CEmissioneBuonoCategoriaSet)
};
