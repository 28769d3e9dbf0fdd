// CDocumentoVuotoSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/containers/DocumentoVuotoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CDocumentoVuotoSet)
