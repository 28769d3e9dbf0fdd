// CRicercaDocumentoVuotiSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/containers/RicercaDocumentoVuotiSet.h"

ORVEL_RECORDSET_IMPLEMENT(CRicercaDocumentoVuotiSet)
