// CScadenzarioCompletoScadenzeSet: one row per instalment, with its schedule's columns.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/PaymentCatalogue.h"

class ORVEL_API CScadenzarioCompletoScadenzeSet : public CRecordset {
    ORVEL_RECORDSET(CScadenzarioCompletoScadenzeSet)
};
