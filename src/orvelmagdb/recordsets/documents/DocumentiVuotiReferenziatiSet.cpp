// CDocumentiVuotiReferenziatiSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/documents/DocumentiVuotiReferenziatiSet.h"

ORVEL_RECORDSET_IMPLEMENT(CDocumentiVuotiReferenziatiSet)
