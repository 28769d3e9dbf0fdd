// CEmissioneBuonoCausaleSet: the movement reasons whose documents take part in a voucher campaign.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/PromotionCatalogue.h"

class ORVEL_API CEmissioneBuonoCausaleSet : public CRecordset {
    ORVEL_RECORDSET(CEmissioneBuonoCausaleSet)
};
