// CTestataDocumentoVuotoSet: a container header with its reason, company, site, depot and partners.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/ContainerCatalogue.h"

class ORVEL_API CTestataDocumentoVuotoSet : public CRecordset {
    ORVEL_RECORDSET(CTestataDocumentoVuotoSet)
};
