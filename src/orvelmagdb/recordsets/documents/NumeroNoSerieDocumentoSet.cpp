// CNumeroNoSerieDocumentoSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/documents/NumeroNoSerieDocumentoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CNumeroNoSerieDocumentoSet)
