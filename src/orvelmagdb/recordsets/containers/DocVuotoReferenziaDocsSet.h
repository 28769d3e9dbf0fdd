// CDocVuotoReferenziaDocsSet: links from a container document to ordinary documents.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/ContainerCatalogue.h"

class ORVEL_API CDocVuotoReferenziaDocsSet : public CRecordset {
    ORVEL_RECORDSET(CDocVuotoReferenziaDocsSet)
};
