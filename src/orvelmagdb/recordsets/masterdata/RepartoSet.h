// CRepartoSet: Till departments with their VAT code, price limits, preset prices and printer.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/MasterDataCatalogue.h"

class ORVEL_API CRepartoSet : public CRecordset {
    ORVEL_RECORDSET(CRepartoSet)
};
