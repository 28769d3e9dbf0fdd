// CVociDocumentoVuotoSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/containers/VociDocumentoVuotoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CVociDocumentoVuotoSet)
