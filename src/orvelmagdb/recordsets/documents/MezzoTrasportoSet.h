// CMezzoTrasportoSet: means of transport.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/DocumentCatalogue.h"

class ORVEL_API CMezzoTrasportoSet : public CRecordset {
    ORVEL_RECORDSET(CMezzoTrasportoSet)
};
