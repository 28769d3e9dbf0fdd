// CMaxNumeroDocumentoVuotoSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/containers/MaxNumeroDocumentoVuotoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CMaxNumeroDocumentoVuotoSet)
