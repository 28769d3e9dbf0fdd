// CProgressivoCausaleCompletoSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/documents/ProgressivoCausaleCompletoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CProgressivoCausaleCompletoSet)
