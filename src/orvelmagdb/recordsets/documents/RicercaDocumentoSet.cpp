// CRicercaDocumentoSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/documents/RicercaDocumentoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CRicercaDocumentoSet)
