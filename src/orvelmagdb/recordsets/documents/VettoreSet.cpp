// CVettoreSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/documents/VettoreSet.h"

ORVEL_RECORDSET_IMPLEMENT(CVettoreSet)
