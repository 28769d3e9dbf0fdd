// CEffettoCompletoSet: bills with partner, kind, account and company names and their instalment count.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/PaymentCatalogue.h"

class ORVEL_API CEffettoCompletoSet : public CRecordset {
    ORVEL_RECORDSET(CEffettoCompletoSet)
};
