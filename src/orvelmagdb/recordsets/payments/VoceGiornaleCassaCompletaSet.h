// CVoceGiornaleCassaCompletaSet: cash-journal entries with the names behind their references.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/PaymentCatalogue.h"

class ORVEL_API CVoceGiornaleCassaCompletaSet : public CRecordset {
    ORVEL_RECORDSET(CVoceGiornaleCassaCompletaSet)
};
