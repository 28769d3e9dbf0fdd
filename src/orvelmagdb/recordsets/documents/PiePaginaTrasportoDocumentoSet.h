// CPiePaginaTrasportoDocumentoSet: the transport footer of a document: carriage terms, carrier,
// transport reason, means and appearance of goods.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/DocumentCatalogue.h"

class ORVEL_API CPiePaginaTrasportoDocumentoSet : public CRecordset {
    ORVEL_RECORDSET(CPiePaginaTrasportoDocumentoSet)
};
