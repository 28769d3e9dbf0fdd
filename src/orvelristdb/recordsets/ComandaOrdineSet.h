// CComandaOrdineSet: the order documents sent to the kitchen for each restaurant order.
#pragma once

#include "afx/Export.h"
#include "orvelristdb/OrvelRistDbCatalogue.h"

class ORVEL_API CComandaOrdineSet : public CRecordset {
    ORVEL_RECORDSET(CComandaOrdineSet)
};
