// CDocumentoVuotoCausaleSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/containers/DocumentoVuotoCausaleSet.h"

ORVEL_RECORDSET_IMPLEMENT(CDocumentoVuotoCausaleSet)
