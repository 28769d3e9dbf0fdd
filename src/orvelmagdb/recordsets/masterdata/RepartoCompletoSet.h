// CRepartoCompletoSet: Departments joined with their VAT rate and owning company.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/MasterDataCatalogue.h"

class ORVEL_API CRepartoCompletoSet : public CRecordset {
    ORVEL_RECORDSET(CRepartoCompletoSet)
};
