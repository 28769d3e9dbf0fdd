// CAspettoBeniSet: appearance of goods.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/DocumentCatalogue.h"

class ORVEL_API CAspettoBeniSet : public CRecordset {
    ORVEL_RECORDSET(CAspettoBeniSet)
};
