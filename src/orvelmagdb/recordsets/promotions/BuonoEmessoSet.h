// CBuonoEmessoSet: vouchers handed out with sale documents.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/PromotionCatalogue.h"

class ORVEL_API CBuonoEmessoSet : public CRecordset {
    ORVEL_RECORDSET(CBuonoEmessoSet)
};
