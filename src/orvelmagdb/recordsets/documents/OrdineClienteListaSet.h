// COrdineClienteListaSet: customer orders as the hosts list them.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/DocumentCatalogue.h"

class ORVEL_API COrdineClienteListaSet : public CRecordset {
    ORVEL_RECORDSET(COrdineClienteListaSet)
};
