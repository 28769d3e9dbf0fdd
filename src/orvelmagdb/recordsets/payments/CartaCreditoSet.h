// CCartaCreditoSet: credit cards the till accepts.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/PaymentCatalogue.h"

class ORVEL_API CCartaCreditoSet : public CRecordset {
    ORVEL_RECORDSET(CCartaCreditoSet)
};
