// CDocumentiReferenziatiSet: the linked documents of a document, each with its summary.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/DocumentCatalogue.h"

class ORVEL_API CDocumentiReferenziatiSet : public CRecordset {
    ORVEL_RECORDSET(CDocumentiReferenziatiSet)
};
