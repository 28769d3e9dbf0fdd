// CDocumentoStatoOrdineSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/documents/DocumentoStatoOrdineSet.h"

ORVEL_RECORDSET_IMPLEMENT(CDocumentoStatoOrdineSet)
