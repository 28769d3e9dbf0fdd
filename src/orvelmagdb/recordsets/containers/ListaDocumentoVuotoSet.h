// CListaDocumentoVuotoSet: container documents as the hosts list them.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/ContainerCatalogue.h"

class ORVEL_API CListaDocumentoVuotoSet : public CRecordset {
    ORVEL_RECORDSET(CListaDocumentoVuotoSet)
};
