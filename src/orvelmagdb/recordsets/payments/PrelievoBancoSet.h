// CPrelievoBancoSet: cash withdrawals from a till.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/PaymentCatalogue.h"

class ORVEL_API CPrelievoBancoSet : public CRecordset {
    ORVEL_RECORDSET(CPrelievoBancoSet)
};
