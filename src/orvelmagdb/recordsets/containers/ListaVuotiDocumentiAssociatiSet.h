// CListaVuotiDocumentiAssociatiSet: the ordinary documents that container documents are linked to.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/ContainerCatalogue.h"

class ORVEL_API CListaVuotiDocumentiAssociatiSet : public CRecordset {
    ORVEL_RECORDSET(CListaVuotiDocumentiAssociatiSet)
};
