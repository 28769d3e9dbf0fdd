// CDocumentiVuotiReferenziatiSet: the ordinary documents linked to a container document, each with
// its summary.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/DocumentCatalogue.h"

class ORVEL_API CDocumentiVuotiReferenziatiSet : public CRecordset {
    ORVEL_RECORDSET(CDocumentiVuotiReferenziatiSet)
};
