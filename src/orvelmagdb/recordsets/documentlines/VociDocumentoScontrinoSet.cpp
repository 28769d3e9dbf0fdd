// CVociDocumentoScontrinoSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/documentlines/VociDocumentoScontrinoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CVociDocumentoScontrinoSet)
