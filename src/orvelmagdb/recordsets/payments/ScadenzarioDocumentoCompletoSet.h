// CScadenzarioDocumentoCompletoSet: schedule-document links with the document's number, dates, reason and total.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/PaymentCatalogue.h"

class ORVEL_API CScadenzarioDocumentoCompletoSet : public CRecordset {
    ORVEL_RECORDSET(CScadenzarioDocumentoCompletoSet)
};
