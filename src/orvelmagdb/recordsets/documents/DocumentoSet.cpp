// CDocumentoSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/documents/DocumentoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CDocumentoSet)
