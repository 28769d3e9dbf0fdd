// CTestataDocumentoVuotoSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/containers/TestataDocumentoVuotoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CTestataDocumentoVuotoSet)
