// CScadenzaCompletaSet: instalments with their payment type and their schedule's columns.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/PaymentCatalogue.h"

class ORVEL_API CScadenzaCompletaSet : public CRecordset {
    ORVEL_RECORDSET(CScadenzaCompletaSet)
};
