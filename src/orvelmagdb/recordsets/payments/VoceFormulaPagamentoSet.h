// CVoceFormulaPagamentoSet: the instalments a payment formula makes.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/PaymentCatalogue.h"

class ORVEL_API CVoceFormulaPagamentoSet : public CRecordset {
    ORVEL_RECORDSET(CVoceFormulaPagamentoSet)
};
