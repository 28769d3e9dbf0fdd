// CEffettoScadenzaSet: the instalments each bill gathers.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/PaymentCatalogue.h"

class ORVEL_API CEffettoScadenzaSet : public CRecordset {
    ORVEL_RECORDSET(CEffettoScadenzaSet)
};
