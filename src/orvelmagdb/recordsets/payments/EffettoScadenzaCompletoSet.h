// CEffettoScadenzaCompletoSet: bill-instalment links with both sides' amounts and dates.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/PaymentCatalogue.h"

class ORVEL_API CEffettoScadenzaCompletoSet : public CRecordset {
    ORVEL_RECORDSET(CEffettoScadenzaCompletoSet)
};
