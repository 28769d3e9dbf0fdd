// CDocumentiReferenziatiSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/documents/DocumentiReferenziatiSet.h"

ORVEL_RECORDSET_IMPLEMENT(CDocumentiReferenziatiSet)
