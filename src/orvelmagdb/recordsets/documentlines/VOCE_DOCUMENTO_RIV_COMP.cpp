// CVOCE_DOCUMENTO_RIV_COMP: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/documentlines/VOCE_DOCUMENTO_RIV_COMP.h"

ORVEL_RECORDSET_IMPLEMENT(CVOCE_DOCUMENTO_RIV_COMP)
