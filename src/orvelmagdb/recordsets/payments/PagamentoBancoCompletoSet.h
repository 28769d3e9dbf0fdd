// CPagamentoBancoCompletoSet: till payments with their payment type's descriptions and till code.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/PaymentCatalogue.h"

class ORVEL_API CPagamentoBancoCompletoSet : public CRecordset {
    ORVEL_RECORDSET(CPagamentoBancoCompletoSet)
};
