// CVociDocumentoOperSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/documentlines/VociDocumentoOperSet.h"

ORVEL_RECORDSET_IMPLEMENT(CVociDocumentoOperSet)
