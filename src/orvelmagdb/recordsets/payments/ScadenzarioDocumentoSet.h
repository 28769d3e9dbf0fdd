// CScadenzarioDocumentoSet: the documents each schedule settles.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/PaymentCatalogue.h"

class ORVEL_API CScadenzarioDocumentoSet : public CRecordset {
    ORVEL_RECORDSET(CScadenzarioDocumentoSet)
};
