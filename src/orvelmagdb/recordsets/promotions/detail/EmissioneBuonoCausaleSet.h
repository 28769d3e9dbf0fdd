// CEmissioneBuonoCausaleSet: the movement reasons whose documents take part in a voucher campaign (internal to the library).
#pragma once

#include "orvelmagdb/recordsets/catalogue/PromotionCatalogue.h"

class CEmissioneBuonoCausaleSet : public CRecordset {
    ORVEL_RECORDSET(CEmissioneBuonoCausaleSet)
};
