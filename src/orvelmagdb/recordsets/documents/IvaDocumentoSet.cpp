// CIvaDocumentoSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/documents/IvaDocumentoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CIvaDocumentoSet)
