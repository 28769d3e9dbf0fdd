// CDocumentoStatoOrdineSet: an order header with the steps of its order state.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/DocumentCatalogue.h"

class ORVEL_API CDocumentoStatoOrdineSet : public CRecordset {
    ORVEL_RECORDSET(CDocumentoStatoOrdineSet)
};
