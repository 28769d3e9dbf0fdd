// CPiePaginaTrasportoDocumentoSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/documents/PiePaginaTrasportoDocumentoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CPiePaginaTrasportoDocumentoSet)
