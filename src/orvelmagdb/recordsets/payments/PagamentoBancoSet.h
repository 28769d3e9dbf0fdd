// CPagamentoBancoSet: what a till sale was paid with, per payment type.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/PaymentCatalogue.h"

class ORVEL_API CPagamentoBancoSet : public CRecordset {
    ORVEL_RECORDSET(CPagamentoBancoSet)
};
