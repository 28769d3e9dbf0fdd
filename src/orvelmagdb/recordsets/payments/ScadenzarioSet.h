// CScadenzarioSet: payment schedules, one row per schedule.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/PaymentCatalogue.h"

class ORVEL_API CScadenzarioSet : public CRecordset {
    ORVEL_RECORDSET(CScadenzarioSet)
};
