// CFormulaPagamentoSet: payment formulas.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/PaymentCatalogue.h"

class ORVEL_API CFormulaPagamentoSet : public CRecordset {
    ORVEL_RECORDSET(CFormulaPagamentoSet)
};
