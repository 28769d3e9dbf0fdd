// CTestataDocumentoSet: a header joined with its reason, company, company site, agent, depot and
// payment formula: what a document loads.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/DocumentCatalogue.h"

class ORVEL_API CTestataDocumentoSet : public CRecordset {
    ORVEL_RECORDSET(CTestataDocumentoSet)
};
