// CVoceGiornaleCassaSet: entries of the cash journal.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/PaymentCatalogue.h"

class ORVEL_API CVoceGiornaleCassaSet : public CRecordset {
    ORVEL_RECORDSET(CVoceGiornaleCassaSet)
};
