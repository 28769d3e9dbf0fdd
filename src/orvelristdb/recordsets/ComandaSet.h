// CComandaSet: restaurant orders (one per table and sitting), with covers and service charge.
#pragma once

#include "afx/Export.h"
#include "orvelristdb/OrvelRistDbCatalogue.h"

class ORVEL_API CComandaSet : public CRecordset {
    ORVEL_RECORDSET(CComandaSet)
};
