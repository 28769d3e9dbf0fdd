// CEffettoSet: bills: amounts collected or paid for a partner on an account.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/PaymentCatalogue.h"

class ORVEL_API CEffettoSet : public CRecordset {
    ORVEL_RECORDSET(CEffettoSet)
};
