// CVociDocumentoScontrinoNofiscSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/documentlines/VociDocumentoScontrinoNofiscSet.h"

ORVEL_RECORDSET_IMPLEMENT(CVociDocumentoScontrinoNofiscSet)
