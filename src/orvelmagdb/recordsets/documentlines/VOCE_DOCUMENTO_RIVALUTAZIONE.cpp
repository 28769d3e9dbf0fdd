// CVOCE_DOCUMENTO_RIVALUTAZIONE: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/documentlines/VOCE_DOCUMENTO_RIVALUTAZIONE.h"

ORVEL_RECORDSET_IMPLEMENT(CVOCE_DOCUMENTO_RIVALUTAZIONE)
