// CStatoOrdineSet: the states an order goes through.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/DocumentCatalogue.h"

class ORVEL_API CStatoOrdineSet : public CRecordset {
    ORVEL_RECORDSET(CStatoOrdineSet)
};
