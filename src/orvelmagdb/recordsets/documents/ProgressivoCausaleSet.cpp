// CProgressivoCausaleSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/documents/ProgressivoCausaleSet.h"

ORVEL_RECORDSET_IMPLEMENT(CProgressivoCausaleSet)
