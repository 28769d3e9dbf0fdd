// CProgressivoSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/documents/ProgressivoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CProgressivoSet)
