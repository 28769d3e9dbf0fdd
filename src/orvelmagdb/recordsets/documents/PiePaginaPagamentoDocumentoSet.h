// CPiePaginaPagamentoDocumentoSet: the payment footer of a document: bank and payment formula.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/DocumentCatalogue.h"

class ORVEL_API CPiePaginaPagamentoDocumentoSet : public CRecordset {
    ORVEL_RECORDSET(CPiePaginaPagamentoDocumentoSet)
};
