// CVociDocumentoModaLoadSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/documentlines/detail/VociDocumentoModaLoadSet.h"

ORVEL_RECORDSET_IMPLEMENT(CVociDocumentoModaLoadSet)
