// CIvaSet: VAT codes: code, description, rate in percent, till rate number, notes.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/MasterDataCatalogue.h"

class ORVEL_API CIvaSet : public CRecordset {
    ORVEL_RECORDSET(CIvaSet)
};
