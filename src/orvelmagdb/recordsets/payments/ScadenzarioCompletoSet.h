// CScadenzarioCompletoSet: schedules with partner, formula and company names and the totals of their instalments.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/PaymentCatalogue.h"

class ORVEL_API CScadenzarioCompletoSet : public CRecordset {
    ORVEL_RECORDSET(CScadenzarioCompletoSet)
};
