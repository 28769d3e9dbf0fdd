// CDocReferenziaDocsSet: links from a document to the documents it fulfils or derives from.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/DocumentCatalogue.h"

class ORVEL_API CDocReferenziaDocsSet : public CRecordset {
    ORVEL_RECORDSET(CDocReferenziaDocsSet)
};
