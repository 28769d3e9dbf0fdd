// CEtichettaSet: labels waiting to be printed: article, price, barcode, number of copies and free
// texts.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/ArticleCatalogue.h"

class ORVEL_API CEtichettaSet : public CRecordset {
    ORVEL_RECORDSET(CEtichettaSet)
};
