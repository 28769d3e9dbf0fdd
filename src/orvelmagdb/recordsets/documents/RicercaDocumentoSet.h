// CRicercaDocumentoSet: documents as the search finds them: the summary a linked document is read
// from.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/DocumentCatalogue.h"

class ORVEL_API CRicercaDocumentoSet : public CRecordset {
    ORVEL_RECORDSET(CRicercaDocumentoSet)
};
