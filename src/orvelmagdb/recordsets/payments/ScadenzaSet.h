// CScadenzaSet: instalments of the schedules.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/PaymentCatalogue.h"

class ORVEL_API CScadenzaSet : public CRecordset {
    ORVEL_RECORDSET(CScadenzaSet)
};
