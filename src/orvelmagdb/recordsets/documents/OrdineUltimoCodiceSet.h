// COrdineUltimoCodiceSet: the highest order number in use per year and company.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/DocumentCatalogue.h"

class ORVEL_API COrdineUltimoCodiceSet : public CRecordset {
    ORVEL_RECORDSET(COrdineUltimoCodiceSet)
};
