// CDocumentoCausaleSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/documents/DocumentoCausaleSet.h"

ORVEL_RECORDSET_IMPLEMENT(CDocumentoCausaleSet)
