// CEFFETTO_CONTABILITA: the accounting row of a bill (chart of accounts and ledger accounts).
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/PaymentCatalogue.h"

class ORVEL_API CEFFETTO_CONTABILITA : public CRecordset {
    ORVEL_RECORDSET(CEFFETTO_CONTABILITA)
};
