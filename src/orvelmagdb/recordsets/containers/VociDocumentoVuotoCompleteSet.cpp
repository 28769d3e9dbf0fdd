// CVociDocumentoVuotoCompleteSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/containers/VociDocumentoVuotoCompleteSet.h"

ORVEL_RECORDSET_IMPLEMENT(CVociDocumentoVuotoCompleteSet)
