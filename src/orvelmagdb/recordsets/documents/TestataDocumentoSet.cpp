// CTestataDocumentoSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/documents/TestataDocumentoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CTestataDocumentoSet)
