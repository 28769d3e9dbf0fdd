// CPrelievoBancoMonetaSet: the coins and banknotes each withdrawal took.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/PaymentCatalogue.h"

class ORVEL_API CPrelievoBancoMonetaSet : public CRecordset {
    ORVEL_RECORDSET(CPrelievoBancoMonetaSet)
};
