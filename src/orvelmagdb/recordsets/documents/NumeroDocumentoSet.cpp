// CNumeroDocumentoSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/documents/NumeroDocumentoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CNumeroDocumentoSet)
