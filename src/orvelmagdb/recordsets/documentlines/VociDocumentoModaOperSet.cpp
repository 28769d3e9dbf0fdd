// CVociDocumentoModaOperSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/documentlines/VociDocumentoModaOperSet.h"

ORVEL_RECORDSET_IMPLEMENT(CVociDocumentoModaOperSet)
