// CRicercaDocumentoVuotiSet: container documents as the search finds them.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/ContainerCatalogue.h"

class ORVEL_API CRicercaDocumentoVuotiSet : public CRecordset {
    ORVEL_RECORDSET(CRicercaDocumentoVuotiSet)
};
