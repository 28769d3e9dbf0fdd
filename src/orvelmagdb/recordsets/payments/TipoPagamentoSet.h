// CTipoPagamentoSet: payment types (cash, card, transfer...).
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/PaymentCatalogue.h"

class ORVEL_API CTipoPagamentoSet : public CRecordset {
    ORVEL_RECORDSET(CTipoPagamentoSet)
};
