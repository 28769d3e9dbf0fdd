// COrdineClienteCompletoSet: a customer order with its state, payment formula, bank and transport.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/DocumentCatalogue.h"

class ORVEL_API COrdineClienteCompletoSet : public CRecordset {
    ORVEL_RECORDSET(COrdineClienteCompletoSet)
};
