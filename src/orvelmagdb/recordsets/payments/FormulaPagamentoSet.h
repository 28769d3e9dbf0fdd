// CFormulaPagamentoSet: payment formulas, and the collection expenses of the formula in the
// current row.
#pragma once

#include "afx/Export.h"
#include "orveldblib/Decimal.h"
#include "orvelmagdb/recordsets/catalogue/PaymentCatalogue.h"

class ORVEL_API CFormulaPagamentoSet : public CRecordset {
    ORVEL_RECORDSET(CFormulaPagamentoSet)

public:
    // SPESE_INCASSO once for the whole formula when F_SPESE_INCASSO_TOTALE is set, otherwise once
    // per line of the formula (counted on the recordset's connection). Not rounded; a database
    // error reaches the caller.
    Decimal GetSpeseIncasso();
};
