// CVoceFormulaPagamentoCompletaSet: formula instalments with the formula's and the payment type's descriptions.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/PaymentCatalogue.h"

class ORVEL_API CVoceFormulaPagamentoCompletaSet : public CRecordset {
    ORVEL_RECORDSET(CVoceFormulaPagamentoCompletaSet)
};
