// CVociDocumentoSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/documentlines/VociDocumentoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CVociDocumentoSet)
