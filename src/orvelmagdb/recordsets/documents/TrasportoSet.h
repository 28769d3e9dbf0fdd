// CTrasportoSet: who transports the goods.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/DocumentCatalogue.h"

class ORVEL_API CTrasportoSet : public CRecordset {
    ORVEL_RECORDSET(CTrasportoSet)
};
